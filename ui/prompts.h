// Every modal question the desktop program asks, in one place, so that the
// tests can answer them without a person.
#pragma once

#include <functional>

#include <wx/string.h>

class wxDialog;
class wxWindow;

struct prompts {
    // A message box with an OK button.
    std::function<void(wxWindow* parent, const wxString& text)> message;
    // Yes, No or Cancel: returns wxYES, wxNO or wxCANCEL.
    std::function<int(wxWindow* parent, const wxString& text)> yes_no_cancel;
    // A file to open (save false) or to save to; empty when cancelled.
    std::function<wxString(wxWindow* parent, bool save, const wxString& suggested)> file_name;
    // Runs a dialog modally: wxID_OK or wxID_CANCEL.
    std::function<int(wxDialog& dialog)> run_modal;
};

// The program's prompts; by default they ask the person.
prompts& ui_prompts();
