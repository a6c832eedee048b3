// A dialog's refusal of a bad field: the message through the program's
// prompts and the focus on the field, so that the user can correct it.
#pragma once

#include <optional>
#include <string>

#include "ui/dialog_fields.h"

class wxTextCtrl;
class wxWindow;

// True, with the message shown and the field focused, when there is an error.
bool refuse_field(wxWindow& dialog, const std::optional<field_error>& error);

std::string text_of(const wxTextCtrl& edit);
