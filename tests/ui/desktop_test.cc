// The desktop program driven as a person drives it: its main window started
// on the virtual display, clicked and typed at through the window system,
// its prompts answered here.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/config.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/evtloop.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "ui/commands.h"
#include "ui/main_frame.h"
#include "ui/player_properties_dlg.h"
#include "ui/prompts.h"
#include "ui/winkirvo_app.h"
#include "ui/winkirvo_doc.h"
#include "ui/winkirvo_view.h"

// Colours print as their values in failures.
inline void PrintTo(const wxColour& colour, std::ostream* out) {
    *out << colour.GetAsString(wxC2S_CSS_SYNTAX).utf8_string();
}

namespace {

using namespace command_id;

std::string read_file(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The prompts answered by the test: messages recorded, file names and the
// save question answered from what the test set, dialogs filled in by it.
struct answers {
    std::vector<std::string> messages;
    std::vector<std::string> file_names;  // taken front first
    int save_answer = wxNO;
    int save_prompts = 0;
    std::function<int(wxDialog&)> dialog;
};

answers& prompt_answers() {
    static answers a;
    return a;
}

void answer_prompts() {
    prompts& p = ui_prompts();
    p.message = [](wxWindow*, const wxString& text) {
        prompt_answers().messages.push_back(text.utf8_string());
    };
    p.yes_no_cancel = [](wxWindow*, const wxString&) {
        ++prompt_answers().save_prompts;
        return prompt_answers().save_answer;
    };
    p.file_name = [](wxWindow*, bool, const wxString&) {
        auto& names = prompt_answers().file_names;
        if (names.empty()) return wxString();
        const wxString name = wxString::FromUTF8(names.front());
        names.erase(names.begin());
        return name;
    };
    p.run_modal = [](wxDialog& dialog) {
        return prompt_answers().dialog ? prompt_answers().dialog(dialog) : int(wxID_CANCEL);
    };
}

// Lets the program handle what is pending.
void settle() {
    for (int i = 0; i < 5; ++i) {
        wxYield();
        wxTheApp->ProcessPendingEvents();
    }
}

// The window system delivers simulated input when it gets to it: wait until
// the program has seen it, within a generous bound.
template <typename Seen>
void settle_until(Seen seen) {
    for (int i = 0; i < 1000 && !seen(); ++i) {
        wxYield();
        wxMilliSleep(2);
    }
    settle();
}

class Desktop : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        answer_prompts();
        wxConfig::Get()->DeleteAll();
        ASSERT_TRUE(wxGetApp().OnInit());
        frame()->SetSize(0, 0, 1000, 800);
        settle();
    }
    void SetUp() override {
        prompt_answers() = answers{};
        // Both sides human, on a fresh untitled game.
        control().set_modified(false);
        prompt_answers().dialog = [](wxDialog& d) {
            for (int human : {1008, 1012})
                static_cast<wxRadioButton*>(d.FindWindow(human))->SetValue(true);
            return dynamic_cast<CPlayerPropertiesDlg&>(d).accept() ? int(wxID_OK)
                                                                   : int(wxID_CANCEL);
        };
        command(players);
        command(new_game);
        prompt_answers().dialog = nullptr;
        settle();
    }

    static CMainFrame* frame() { return wxGetApp().frame(); }
    static CWinKirvoDoc* doc() { return wxGetApp().document(); }
    static game_control& control() { return doc()->control(); }
    static CWinKirvoView* view() { return static_cast<CWinKirvoView*>(doc()->GetFirstView()); }

    // A menu command as the menu sends it.
    static void command(int id) {
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetEventObject(frame());
        frame()->ProcessWindowEvent(event);
        settle();
    }
    static bool enabled(int id) {
        frame()->GetMenuBar()->UpdateMenus();
        return frame()->GetMenuBar()->IsEnabled(id);
    }

    // The screen position of a unit position of the picture.
    static wxPoint screen_at(double u, double v) {
        const board_scale& s = view()->scale();
        return view()->canvas()->ClientToScreen(
            wxPoint(int(s.cell * u + s.x_offset), int(s.cell * v + s.y_offset)));
    }
    static void click_at(wxPoint where, bool right = false) {
        wxUIActionSimulator sim;
        sim.MouseMove(where);
        settle_until([where] { return wxGetMousePosition() == where; });
        int clicks = 0;
        const auto count = [&clicks](wxMouseEvent& event) {
            ++clicks;
            event.Skip();
        };
        wxWindow* canvas = view()->canvas();
        const auto types = right ? std::vector{wxEVT_RIGHT_DOWN, wxEVT_RIGHT_DCLICK}
                                 : std::vector{wxEVT_LEFT_DOWN, wxEVT_LEFT_DCLICK};
        for (const auto type : types) canvas->Bind(type, count);
        sim.MouseClick(right ? wxMOUSE_BTN_RIGHT : wxMOUSE_BTN_LEFT);
        settle_until([&clicks] { return clicks > 0; });
        for (const auto type : types) canvas->Unbind(type, count);
        EXPECT_EQ(clicks, 1);
    }
    static void click_point(int x, int y) { click_at(screen_at(x + 4, y + 1)); }
    static void click_pass() { click_at(screen_at(1.5, 11.75)); }
    // Keys typed over the board, until the program shows their effect.
    template <typename Seen>
    static void keys(int key, int modifiers, Seen seen) {
        wxUIActionSimulator sim;
        const wxPoint where = screen_at(12, 10);
        sim.MouseMove(where);
        settle_until([where] { return wxGetMousePosition() == where; });
        sim.Char(key, modifiers);
        settle_until(seen);
    }
    // What the display shows of the main window, read back from the screen.
    static wxImage on_screen() {
        wxWindow* window = frame();
        // The window system paints on its own clock: wait for the board's
        // next paint.
        int paints = 0;
        const auto count = [&paints](wxPaintEvent& event) {
            ++paints;
            event.Skip();
        };
        wxWindow* canvas = view()->canvas();
        canvas->Bind(wxEVT_PAINT, count);
        canvas->Refresh(false);
        settle_until([&paints] { return paints > 0; });
        canvas->Unbind(wxEVT_PAINT, count);
        settle();
        const wxRect area(window->GetScreenPosition(), window->GetSize());
        wxBitmap bitmap(area.GetSize());
        {
            wxMemoryDC memory(bitmap);
            wxScreenDC screen;
            memory.Blit(0, 0, area.width, area.height, &screen, area.x, area.y);
        }
        return bitmap.ConvertToImage();
    }
    // The picture the view paints for its window, drawn into a bitmap.
    static wxImage picture() {
        wxBitmap bitmap(view()->canvas()->GetClientSize());
        {
            wxMemoryDC memory(bitmap);
            view()->OnDraw(&memory);
        }
        return bitmap.ConvertToImage();
    }
    static wxColour pixel(const wxImage& image, double u, double v) {
        const board_scale& s = view()->scale();
        const int x = int(s.cell * u + s.x_offset), y = int(s.cell * v + s.y_offset);
        return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
    }
};

TEST_F(Desktop, StartsUntitledWithTheSpecifiedMenusAndBars) {
    EXPECT_EQ(frame()->GetTitle(), "Untitled - WinKirvo");
    wxMenuBar* bar = frame()->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 4u);
    EXPECT_EQ(bar->GetMenuLabel(0), "&Game");
    EXPECT_EQ(bar->GetMenuLabel(3), "&Help");
    // Labels, accelerators and separators of the Game menu.
    std::vector<std::string> game;
    for (wxMenuItem* item : bar->GetMenu(0)->GetMenuItems())
        game.push_back(item->IsSeparator() ? "-" : item->GetItemLabel().utf8_string());
    const std::vector<std::string> expected = {"&New\tCtrl+N",
                                               "Ne&w with properties...",
                                               "-",
                                               "S&tart or resume the game\tCtrl+G",
                                               "Pa&use the game\tCtrl+Shift+G",
                                               "-",
                                               "&Open...\tCtrl+O",
                                               "&Save\tCtrl+S",
                                               "Save &As...",
                                               "-",
                                               "&Print...\tCtrl+P",
                                               "Print Pre&view",
                                               "P&rint Setup...",
                                               "-",
                                               "Recent File",
                                               "-",
                                               "E&xit"};
    EXPECT_EQ(game, expected);
    EXPECT_FALSE(enabled(print));
    EXPECT_FALSE(enabled(recent_file));
    EXPECT_FALSE(enabled(undo));
    EXPECT_TRUE(bar->FindItem(evaluations)->IsCheckable());
    EXPECT_TRUE(bar->IsChecked(toolbar));
    EXPECT_TRUE(bar->IsChecked(status_bar));

    wxToolBar* tools = frame()->GetToolBar();
    std::vector<int> order;
    for (size_t i = 0; i < tools->GetToolsCount(); ++i) {
        const wxToolBarToolBase* tool = tools->GetToolByPos(int(i));
        order.push_back(tool->IsSeparator() ? 0 : tool->GetId());
    }
    const std::vector<int> expected_tools{
        new_game, open_file, save, print, 0,        players, 0,           start_game, pause_game,
        0,        undo_all,  undo, redo,  redo_all, 0,       evaluations, 0,          about};
    EXPECT_EQ(order, expected_tools);
    EXPECT_EQ(tools->GetToolShortHelp(undo_all), "Undo all");
    EXPECT_EQ(tools->GetToolLongHelp(undo_all), "Undo to start of game");

    wxStatusBar* status = frame()->GetStatusBar();
    ASSERT_EQ(status->GetFieldsCount(), 4);
    EXPECT_EQ(status->GetStatusText(0), "Ready");

    command(toolbar);
    EXPECT_FALSE(tools->IsShown());
    command(toolbar);
    EXPECT_TRUE(tools->IsShown());
}

TEST_F(Desktop, ClicksPlayPassAndUndoThroughTheWindow) {
    click_point(4, 4);  // D16
    EXPECT_EQ(control().game().colour_at(4, 4), 1);
    // Inside the stone, clear of the last-move mark at its centre.
    EXPECT_EQ(pixel(picture(), 7.7, 4.7), *wxBLACK);
    EXPECT_TRUE(doc()->IsModified());
    // Clicking the occupied point again changes nothing.
    click_point(4, 4);
    EXPECT_EQ(control().side(), -1);

    click_pass();
    click_pass();
    EXPECT_EQ(control().game().consecutive_passes, 2);
    // White to move after the passes of White and Black: the mark of Black's
    // pass 5 pixels below the Pass box, White's 10 pixels below.
    const wxImage shown = picture();
    const board_scale& s = view()->scale();
    const wxPoint below(int(s.cell * 1.5 + s.x_offset), int(s.cell * 12.25 + s.y_offset));
    const auto at = [&shown](int x, int y) {
        return wxColour(shown.GetRed(x, y), shown.GetGreen(x, y), shown.GetBlue(x, y));
    };
    EXPECT_EQ(at(below.x, below.y + 5), *wxWHITE);
    EXPECT_EQ(at(below.x, below.y + 10), *wxBLACK);

    const auto passes = [](int n) {
        return [n] { return control().game().consecutive_passes == n; };
    };
    keys('z', wxMOD_CONTROL, passes(1));
    EXPECT_EQ(control().game().consecutive_passes, 1);
    keys(WXK_BACK, wxMOD_ALT, passes(0));
    EXPECT_EQ(control().game().consecutive_passes, 0);
    EXPECT_TRUE(control().is_paused());

    const auto evaluations_on = [](bool on) {
        return [on] { return control().shows_evaluations() == on; };
    };
    keys('e', wxMOD_CONTROL, evaluations_on(true));
    EXPECT_TRUE(control().shows_evaluations());
    frame()->GetMenuBar()->UpdateMenus();
    EXPECT_TRUE(frame()->GetMenuBar()->IsChecked(evaluations));
    keys('e', wxMOD_CONTROL, evaluations_on(false));
    EXPECT_FALSE(control().shows_evaluations());

    // Right clicks navigate: forward on an empty point (no move there: to
    // the end), back on a stone (to just after it was played).
    click_at(screen_at(14, 11), true);
    EXPECT_EQ(control().game().consecutive_passes, 2);
    click_at(screen_at(8, 5), true);
    EXPECT_EQ(control().game().consecutive_passes, 0);
    EXPECT_EQ(control().game().colour_at(4, 4), 1);
    EXPECT_TRUE(enabled(redo));
}

TEST_F(Desktop, SavesOpensAndKeepsTheOldFileWhenASaveFails) {
    click_point(4, 4);
    click_point(16, 16);
    const std::string file_name = wxFileName::GetCwd().utf8_string() + "/saved-game.sgf";
    std::remove(file_name.c_str());
    // Save on an untitled game asks for a name.
    prompt_answers().file_names = {file_name};
    command(save);
    EXPECT_FALSE(doc()->IsModified());
    EXPECT_EQ(frame()->GetTitle(), "saved-game.sgf - WinKirvo");
    EXPECT_EQ(frame()->GetMenuBar()->GetMenu(0)->FindItemByPosition(14)->GetItemLabel(),
              "&1 saved-game.sgf");
    EXPECT_NE(read_file(file_name).find(";B[dd];W[pp]"), std::string::npos);

    click_point(10, 10);
    prompt_answers().file_names = {file_name};
    prompt_answers().save_answer = wxNO;
    command(open_file);
    EXPECT_EQ(control().game().colour_at(10, 10), 0);
    EXPECT_EQ(control().game().colour_at(16, 16), -1);
    EXPECT_TRUE(control().is_paused());

    // A folder this user may not write to: the old file stays as it was.
    const std::string folder = wxFileName::GetCwd().utf8_string() + "/read-only";
    const std::string old_file = folder + "/old.sgf";
    mkdir(folder.c_str(), 0755);
    std::ofstream(old_file) << "(;FF[4])";
    chmod(folder.c_str(), 0555);
    click_point(10, 10);
    prompt_answers().file_names = {old_file};
    // The superuser writes anywhere: save as somebody who may not.
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    command(save_as);
    if (root) {
        ASSERT_EQ(seteuid(0), 0);
    }
    chmod(folder.c_str(), 0755);
    ASSERT_EQ(prompt_answers().messages.size(), 1u);
    EXPECT_EQ(prompt_answers().messages[0],
              "Cannot save the file " + old_file + ": Permission denied.");
    EXPECT_EQ(read_file(old_file), "(;FF[4])");
    EXPECT_TRUE(doc()->IsModified());
    EXPECT_EQ(frame()->GetTitle(), "saved-game.sgf - WinKirvo");

    // Exit asks before the changes are lost; Cancel keeps the window.
    prompt_answers().save_answer = wxCANCEL;
    prompt_answers().save_prompts = 0;
    command(exit_program);
    EXPECT_EQ(prompt_answers().save_prompts, 1);
    EXPECT_TRUE(frame()->IsShown());
    EXPECT_TRUE(doc()->IsModified());
}

TEST_F(Desktop, TheComputerMovesOncePerIdlePass) {
    for (const int colour : {1, -1}) control().set_player(colour, {true, 1, 1, 1});
    EXPECT_TRUE(enabled(start_game));
    keys('g', wxMOD_CONTROL, [] { return !control().is_paused(); });
    EXPECT_FALSE(control().is_paused());
    for (int pass = 0; pass < 3; ++pass) {
        const int before = control().game().eng().no_moves;
        wxTheApp->ProcessIdle();
        EXPECT_EQ(control().game().eng().no_moves, before + 1);
    }
    keys('g', wxMOD_CONTROL | wxMOD_SHIFT, [] { return control().is_paused(); });
    EXPECT_TRUE(control().is_paused());
    const int paused_at = control().game().eng().no_moves;
    wxTheApp->ProcessIdle();
    EXPECT_EQ(control().game().eng().no_moves, paused_at);
}

// make screenshot: the window at 1000 x 800 with a game in progress and the
// evaluations on, written for a person to look at.
TEST_F(Desktop, Screenshot) {
    // The overlay shows the engine's judgement from its last move.
    for (const int colour : {1, -1}) {
        player_settings computer = control().settings().player(colour);
        computer.computer = true;
        control().set_player(colour, computer);
    }
    command(start_game);
    for (int move = 0; move < 24 && control().side() != 0; ++move) wxTheApp->ProcessIdle();
    command(pause_game);
    command(evaluations);
    const wxImage shot = on_screen();
    const char* name = std::getenv("WINKIRVO_SCREENSHOT");
    EXPECT_TRUE(shot.SaveFile(name != nullptr ? name : "screenshot.png", wxBITMAP_TYPE_PNG));
    EXPECT_EQ(shot.GetSize(), wxSize(1000, 800));
}

}  // namespace
