#include "ui/player_properties_dlg.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ui/dialog_fields.h"
#include "ui/field_prompt.h"

struct CPlayerPropertiesDlg::side_labels {
    const char* box;
    const char* human;
    const char* computer;
    int human_id, computer_id;
    const char* status;
    const char* connection;
    const char* life_death;
    int status_id, connection_id, life_death_id;
};

namespace {

const char search_depth[] = "Search depth";

wxTextCtrl* add_depth(wxWindow* parent, wxSizer* grid, const char* label, int id) {
    grid->Add(new wxStaticText(parent, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
    auto* edit = new wxTextCtrl(parent, id);
    grid->Add(edit, 1, wxEXPAND);
    return edit;
}

int kind_of(const wxRadioButton* computer) {
    return computer->GetValue() ? 1 : 0;
}

}  // namespace

CPlayerPropertiesDlg::CPlayerPropertiesDlg(wxWindow* parent, const game_settings& values)
    : wxDialog(parent, wxID_ANY, "Player Properties"), values_(values) {
    static const side_labels black_labels{.box = "Black",
                                          .human = "&Human",
                                          .computer = "&Computer",
                                          .human_id = control_id::black_human,
                                          .computer_id = control_id::black_computer,
                                          .status = "&Status:",
                                          .connection = "Con&nection:",
                                          .life_death = "&Life/death:",
                                          .status_id = control_id::black_status,
                                          .connection_id = control_id::black_connection,
                                          .life_death_id = control_id::black_life_death};
    static const side_labels white_labels{.box = "White",
                                          .human = "H&uman",
                                          .computer = "C&omputer",
                                          .human_id = control_id::white_human,
                                          .computer_id = control_id::white_computer,
                                          .status = "S&tatus:",
                                          .connection = "Conn&ection:",
                                          .life_death = "Life/&death:",
                                          .status_id = control_id::white_status,
                                          .connection_id = control_id::white_connection,
                                          .life_death_id = control_id::white_life_death};
    auto* sides = new wxBoxSizer(wxHORIZONTAL);
    sides->Add(create_side(black_labels, black_), 1, wxEXPAND | wxALL, 8);
    sides->Add(create_side(white_labels, white_), 1, wxEXPAND | wxALL, 8);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(sides, 1, wxEXPAND);
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(top);

    const player_properties_texts t = player_properties_to_texts(values);
    set_side(black_, t.black_kind, t.black_status, t.black_connection, t.black_life_death);
    set_side(white_, t.white_kind, t.white_status, t.white_connection, t.white_life_death);
    update_depths();

    Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { update_depths(); });
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            if (accept()) EndDialog(wxID_OK);
        },
        wxID_OK);
}

wxSizer* CPlayerPropertiesDlg::create_side(const side_labels& labels, side_controls& side) {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, this, labels.box);
    wxWindow* panel = box->GetStaticBox();
    side.human = new wxRadioButton(panel, labels.human_id, labels.human, wxDefaultPosition,
                                   wxDefaultSize, wxRB_GROUP);
    side.computer = new wxRadioButton(panel, labels.computer_id, labels.computer);
    box->Add(side.human, 0, wxALL, 4);
    box->Add(side.computer, 0, wxALL, 4);

    auto* depths = new wxStaticBoxSizer(wxVERTICAL, panel, search_depth);
    wxWindow* depth_panel = depths->GetStaticBox();
    auto* grid = new wxFlexGridSizer(2, wxSize(8, 6));
    grid->AddGrowableCol(1);
    side.status = add_depth(depth_panel, grid, labels.status, labels.status_id);
    side.connection = add_depth(depth_panel, grid, labels.connection, labels.connection_id);
    side.life_death = add_depth(depth_panel, grid, labels.life_death, labels.life_death_id);
    depths->Add(grid, 1, wxEXPAND | wxALL, 4);
    box->Add(depths, 1, wxEXPAND | wxALL, 4);
    return box;
}

void CPlayerPropertiesDlg::set_side(side_controls& side, int kind, const std::string& status,
                                    const std::string& connection, const std::string& life_death) {
    (kind == 1 ? side.computer : side.human)->SetValue(true);
    side.status->ChangeValue(wxString::FromUTF8(status));
    side.connection->ChangeValue(wxString::FromUTF8(connection));
    side.life_death->ChangeValue(wxString::FromUTF8(life_death));
}

void CPlayerPropertiesDlg::update_depths() {
    for (side_controls* side : {&black_, &white_}) {
        const bool computer = side->computer->GetValue();
        side->status->Enable(computer);
        side->connection->Enable(computer);
        side->life_death->Enable(computer);
    }
}

bool CPlayerPropertiesDlg::accept() {
    player_properties_texts t;
    t.black_kind = kind_of(black_.computer);
    t.white_kind = kind_of(white_.computer);
    t.black_status = text_of(*black_.status);
    t.black_connection = text_of(*black_.connection);
    t.black_life_death = text_of(*black_.life_death);
    t.white_status = text_of(*white_.status);
    t.white_connection = text_of(*white_.connection);
    t.white_life_death = text_of(*white_.life_death);
    const dialog_result result = read_player_properties(t, values_);
    if (refuse_field(*this, result.error)) return false;
    values_ = result.values;
    return true;
}
