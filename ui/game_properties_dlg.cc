#include "ui/game_properties_dlg.h"

#include <utility>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ui/dialog_fields.h"
#include "ui/field_prompt.h"

CGamePropertiesDlg::CGamePropertiesDlg(wxWindow* parent, const game_settings& values,
                                       std::function<void()> players)
    : wxDialog(parent, wxID_ANY, "Game Properties"), values_(values), players_(std::move(players)) {
    create_controls();
    const game_properties_texts texts = game_properties_to_texts(values);
    seed_->ChangeValue(wxString::FromUTF8(texts.seed));
    use_seed_->SetValue(texts.use_seed);
    handicap_->ChangeValue(wxString::FromUTF8(texts.handicap));
    komi_->ChangeValue(wxString::FromUTF8(texts.komi));
    seed_->Enable(use_seed_->GetValue());
    komi_->Enable(!handicap_locks_komi(texts.handicap));

    Bind(
        wxEVT_CHECKBOX, [this](wxCommandEvent&) { seed_->Enable(use_seed_->GetValue()); },
        control_id::use_seed);
    Bind(
        wxEVT_TEXT, [this](wxCommandEvent&) { handicap_changed(); }, control_id::handicap);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { players_(); }, control_id::players);
    Bind(
        wxEVT_BUTTON,
        [this](wxCommandEvent&) {
            if (accept()) EndDialog(wxID_OK);
        },
        wxID_OK);
}

void CGamePropertiesDlg::create_controls() {
    auto* seed_box = new wxStaticBoxSizer(wxHORIZONTAL, this, "&Seed");
    seed_ = new wxTextCtrl(seed_box->GetStaticBox(), control_id::seed);
    use_seed_ = new wxCheckBox(seed_box->GetStaticBox(), control_id::use_seed, "&Use");
    seed_box->Add(seed_, 1, wxALL | wxALIGN_CENTER_VERTICAL, 4);
    seed_box->Add(use_seed_, 0, wxALL | wxALIGN_CENTER_VERTICAL, 4);

    auto* fields = new wxFlexGridSizer(2, wxSize(8, 6));
    fields->AddGrowableCol(1);
    fields->Add(new wxStaticText(this, wxID_ANY, "&Handicap:"), 0, wxALIGN_CENTER_VERTICAL);
    handicap_ = new wxTextCtrl(this, control_id::handicap);
    fields->Add(handicap_, 1, wxEXPAND);
    fields->Add(new wxStaticText(this, wxID_ANY, "&Komi:"), 0, wxALIGN_CENTER_VERTICAL);
    komi_ = new wxTextCtrl(this, control_id::komi);
    fields->Add(komi_, 1, wxEXPAND);

    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(seed_box, 0, wxEXPAND | wxALL, 8);
    top->Add(fields, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
    top->Add(new wxButton(this, control_id::players, "&Players..."), 0, wxALL, 8);
    top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 8);
    SetSizerAndFit(top);
}

// A handicap game has no komi unless the handicap is cleared again; the
// text stays as it is when the komi becomes editable again.
void CGamePropertiesDlg::handicap_changed() {
    const bool locked = handicap_locks_komi(text_of(*handicap_));
    if (locked) komi_->ChangeValue("0");
    komi_->Enable(!locked);
}

bool CGamePropertiesDlg::accept() {
    const dialog_result result = read_game_properties(
        {text_of(*seed_), use_seed_->GetValue(), text_of(*handicap_), text_of(*komi_)}, values_);
    if (refuse_field(*this, result.error)) return false;
    values_ = result.values;
    return true;
}
