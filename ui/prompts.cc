#include "ui/prompts.h"

#include <wx/dialog.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>

namespace {

const wxString title = "WinKirvo";
const wxString filter = "WinKirvo game file (*.sgf)|*.sgf";

prompts person_prompts() {
    prompts p;
    p.message = [](wxWindow* parent, const wxString& text) {
        wxMessageBox(text, title, wxOK | wxICON_INFORMATION, parent);
    };
    p.yes_no_cancel = [](wxWindow* parent, const wxString& text) {
        return wxMessageBox(text, title, wxYES_NO | wxCANCEL | wxICON_EXCLAMATION, parent);
    };
    p.file_name = [](wxWindow* parent, bool save, const wxString& suggested) {
        const long style =
            save ? wxFD_SAVE | wxFD_OVERWRITE_PROMPT : wxFD_OPEN | wxFD_FILE_MUST_EXIST;
        wxFileDialog dialog(parent, save ? "Save As" : "Open", wxEmptyString, suggested, filter,
                            style);
        return dialog.ShowModal() == wxID_OK ? dialog.GetPath() : wxString();
    };
    p.run_modal = [](wxDialog& dialog) { return dialog.ShowModal(); };
    return p;
}

}  // namespace

prompts& ui_prompts() {
    static prompts p = person_prompts();
    return p;
}
