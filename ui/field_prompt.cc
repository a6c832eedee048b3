#include "ui/field_prompt.h"

#include <wx/textctrl.h>
#include <wx/window.h>

#include "ui/prompts.h"

bool refuse_field(wxWindow& dialog, const std::optional<field_error>& error) {
    if (!error) return false;
    ui_prompts().message(&dialog, wxString::FromUTF8(error->message));
    if (wxWindow* field = dialog.FindWindow(error->control)) field->SetFocus();
    return true;
}

std::string text_of(const wxTextCtrl& edit) {
    return edit.GetValue().utf8_string();
}
