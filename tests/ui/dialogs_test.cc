// The three dialogs, built but never run modally: the tests set the controls
// as a person would, send the events the controls send, and press OK
// through accept().
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <set>
#include <string>
#include <vector>

#include "ui/about_dlg.h"
#include "ui/dialog_fields.h"
#include "ui/game_properties_dlg.h"
#include "ui/player_properties_dlg.h"
#include "ui/prompts.h"

namespace {

// Messages recorded instead of shown, while the object lives.
class recorded_messages {
  public:
    std::vector<std::string> list;
    recorded_messages() : saved_(ui_prompts()) {
        ui_prompts().message = [this](wxWindow*, const wxString& text) {
            list.push_back(text.utf8_string());
        };
    }
    ~recorded_messages() { ui_prompts() = saved_; }

  private:
    prompts saved_;
};

template <typename T>
T& control(wxWindow& dialog, int id) {
    T* found = wxDynamicCast(dialog.FindWindow(id), T);
    if (found == nullptr) throw std::runtime_error("no control " + std::to_string(id));
    return *found;
}
wxTextCtrl& edit(wxWindow& dialog, int id) {
    return control<wxTextCtrl>(dialog, id);
}

// SetValue sends the text event, as typing does.
void type(wxWindow& dialog, int id, const char* text) {
    edit(dialog, id).SetValue(text);
}

void send(wxControl& c, wxEventType type) {
    wxCommandEvent event(type, c.GetId());
    event.SetEventObject(&c);
    c.ProcessWindowEvent(event);
}
void check(wxWindow& dialog, int id, bool checked) {
    auto& box = control<wxCheckBox>(dialog, id);
    box.SetValue(checked);
    send(box, wxEVT_CHECKBOX);
}
void choose(wxWindow& dialog, int id) {
    auto& button = control<wxRadioButton>(dialog, id);
    button.SetValue(true);
    send(button, wxEVT_RADIOBUTTON);
}

// The dialog on the screen, so that it can take the focus.
void show(wxDialog& dialog) {
    dialog.Show();
    wxYield();
}
// The window system moves the focus when it gets to it.
bool has_focus(wxWindow& w) {
    for (int i = 0; i < 500 && wxWindow::FindFocus() != &w; ++i) {
        wxYield();
        wxMilliSleep(2);
    }
    return wxWindow::FindFocus() == &w;
}

std::set<std::string> labels_of(wxWindow& w) {
    std::set<std::string> labels;
    for (wxWindow* child : w.GetChildren()) {
        labels.insert(child->GetLabel().utf8_string());
        const std::set<std::string> inner = labels_of(*child);
        labels.insert(inner.begin(), inner.end());
    }
    return labels;
}

TEST(GamePropertiesDlg, HandicapGreysKomiAndUseGreysSeed) {
    CGamePropertiesDlg dialog(nullptr, {.handicap = 0, .komi = 6.5f, .seed = 7, .use_seed = true},
                              [] {});
    wxTextCtrl& komi = edit(dialog, control_id::komi);
    EXPECT_EQ(komi.GetValue(), "6.5");
    EXPECT_TRUE(edit(dialog, control_id::seed).IsEnabled());

    type(dialog, control_id::handicap, "2");
    EXPECT_EQ(komi.GetValue(), "0");
    EXPECT_FALSE(komi.IsEnabled());
    type(dialog, control_id::handicap, "");
    EXPECT_EQ(komi.GetValue(), "0");
    EXPECT_TRUE(komi.IsEnabled());

    check(dialog, control_id::use_seed, false);
    EXPECT_FALSE(edit(dialog, control_id::seed).IsEnabled());
    check(dialog, control_id::use_seed, true);
    EXPECT_TRUE(edit(dialog, control_id::seed).IsEnabled());

    // As it opens: the seed greyed without Use, the komi with a handicap.
    CGamePropertiesDlg unused(nullptr, {.handicap = 3, .komi = 0.0f, .seed = 7, .use_seed = false},
                              [] {});
    EXPECT_FALSE(edit(unused, control_id::seed).IsEnabled());
    EXPECT_FALSE(edit(unused, control_id::komi).IsEnabled());
}

TEST(GamePropertiesDlg, RefusedHandicapKeepsTheDialogOpenOnTheField) {
    recorded_messages messages;
    CGamePropertiesDlg dialog(nullptr, {}, [] {});
    show(dialog);
    type(dialog, control_id::handicap, "14");
    EXPECT_FALSE(dialog.accept());
    EXPECT_EQ(messages.list, std::vector<std::string>{"Please enter an integer between 0 and 13."});
    EXPECT_TRUE(has_focus(edit(dialog, control_id::handicap)));

    type(dialog, control_id::handicap, "13");
    edit(dialog, control_id::seed).ChangeValue("-5");
    EXPECT_TRUE(dialog.accept());
    EXPECT_EQ(dialog.values().handicap, 13);
    EXPECT_EQ(dialog.values().komi, 0.0f);
    EXPECT_EQ(dialog.values().seed, -5);
    EXPECT_EQ(messages.list.size(), 1u);
    dialog.Hide();
}

TEST(GamePropertiesDlg, PlayersButtonRunsPlayerPropertiesAtOnce) {
    int runs = 0;
    CGamePropertiesDlg dialog(nullptr, {}, [&runs] { ++runs; });
    send(control<wxButton>(dialog, control_id::players), wxEVT_BUTTON);
    EXPECT_EQ(runs, 1);
}

TEST(PlayerPropertiesDlg, RadioButtonsGreyTheDepthsOfAPerson) {
    recorded_messages messages;
    CPlayerPropertiesDlg dialog(nullptr, {});  // Black the computer, White a person
    const int black[] = {control_id::black_status, control_id::black_connection,
                         control_id::black_life_death};
    const int white[] = {control_id::white_status, control_id::white_connection,
                         control_id::white_life_death};
    const auto enabled = [&dialog](const int(&ids)[3], bool expected) {
        for (int id : ids) EXPECT_EQ(edit(dialog, id).IsEnabled(), expected) << id;
    };
    enabled(black, true);
    enabled(white, false);
    choose(dialog, control_id::white_computer);
    choose(dialog, control_id::black_human);
    enabled(black, false);
    enabled(white, true);

    // A person's depths are still read, and checked (greyed, they cannot
    // take the focus).
    show(dialog);
    edit(dialog, control_id::black_life_death).ChangeValue("1001");
    EXPECT_FALSE(dialog.accept());
    EXPECT_EQ(messages.list,
              std::vector<std::string>{"Please enter an integer between 0 and 1000."});
    // The field is greyed: it cannot take the focus, which stays in the dialog.
    edit(dialog, control_id::black_life_death).ChangeValue("7");
    edit(dialog, control_id::white_status).ChangeValue("-1");
    EXPECT_FALSE(dialog.accept());
    EXPECT_TRUE(has_focus(edit(dialog, control_id::white_status)));
    edit(dialog, control_id::white_status).ChangeValue("5");
    EXPECT_TRUE(dialog.accept());
    EXPECT_FALSE(dialog.values().black.computer);
    EXPECT_TRUE(dialog.values().white.computer);
    EXPECT_EQ(dialog.values().black.life_death_depth, 7);
    EXPECT_EQ(dialog.values().white.status_depth, 5);
    EXPECT_EQ(messages.list.size(), 2u);
    dialog.Hide();
}

TEST(Dialogs, CaptionsLabelsAndMnemonics) {
    CGamePropertiesDlg game(nullptr, {}, [] {});
    EXPECT_EQ(game.GetTitle(), "Game Properties");
    const std::set<std::string> game_labels = labels_of(game);
    for (const char* label : {"&Seed", "&Use", "&Handicap:", "&Komi:", "&Players..."}) {
        EXPECT_TRUE(game_labels.count(label)) << label;
    }
    EXPECT_EQ(control<wxCheckBox>(game, control_id::use_seed).GetLabel(), "&Use");
    EXPECT_EQ(control<wxButton>(game, control_id::players).GetLabel(), "&Players...");
    for (int id : {wxID_OK, wxID_CANCEL}) EXPECT_TRUE(game.FindWindow(id)) << id;

    CPlayerPropertiesDlg players(nullptr, {});
    EXPECT_EQ(players.GetTitle(), "Player Properties");
    const std::set<std::string> player_labels = labels_of(players);
    for (const char* label : {"Black", "White", "Search depth", "&Status:", "Con&nection:",
                              "&Life/death:", "S&tatus:", "Conn&ection:", "Life/&death:"}) {
        EXPECT_TRUE(player_labels.count(label)) << label;
    }
    const std::pair<int, const char*> radios[] = {{control_id::black_human, "&Human"},
                                                  {control_id::black_computer, "&Computer"},
                                                  {control_id::white_human, "H&uman"},
                                                  {control_id::white_computer, "C&omputer"}};
    for (const auto& [id, label] : radios) {
        EXPECT_EQ(control<wxRadioButton>(players, id).GetLabel(), label);
    }

    CAboutDlg about(nullptr);
    EXPECT_EQ(about.GetTitle(), "About WinKirvo");
    EXPECT_TRUE(labels_of(about).count("WinKirvo Version 0.94"));
    EXPECT_TRUE(about.FindWindow(wxID_OK));
}

}  // namespace
