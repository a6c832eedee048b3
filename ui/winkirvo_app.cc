#include "ui/winkirvo_app.h"

#include <wx/config.h>
#include <wx/docview.h>
#include <wx/filehistory.h>
#include <wx/printdlg.h>

#include <cstdio>

#include "engine/base/diagnostics.h"
#include "game/crash_record.h"
#include "ui/about_dlg.h"
#include "ui/art.h"
#include "ui/commands.h"
#include "ui/main_frame.h"
#include "ui/prompts.h"
#include "ui/winkirvo_doc.h"
#include "ui/winkirvo_view.h"

namespace {

// The settings key of the recent-file list.
const char* const vendor = "Local AppWizard-Generated Applications";
const wxSize initial_size(900, 760);

class doc_manager : public wxDocManager {
  public:
    wxFileHistory* OnCreateFileHistory() override {
        return new wxFileHistory(command_id::recent_files, command_id::recent_file);
    }
    // The frame's Game menu shows the list in its place.
    void AddFileToHistory(const wxString& file) override {
        wxDocManager::AddFileToHistory(file);
        if (auto* frame = wxGetApp().frame()) frame->refresh_recent_files();
    }
};

}  // namespace

bool CWinKirvoApp::OnInit() {
    SetVendorName(vendor);
    SetAppName("WinKirvo");
    manager_ = new doc_manager;
    manager_->FileHistoryLoad(*wxConfig::Get());
    new wxDocTemplate(manager_, "WinKirvo game file", "*.sgf", "", "sgf", "WinKirvo.Document",
                      "WinKir Document", CLASSINFO(CWinKirvoDoc), CLASSINFO(CWinKirvoView));

    frame_ = new CMainFrame(manager_, initial_size);
    frame_->SetIcons(app_icons());
    SetTopWindow(frame_);
    bind_commands();
    if (!open_command_line()) return false;
    install_crash_message();
    frame_->Show();
    frame_->Update();
    return true;
}

bool CWinKirvoApp::open_command_line() {
    // No argument: a new game; a file: that game, paused.
    if (argc == 2 && argv[1] == "--version") {
        std::printf("%s\n", version_text);
        return false;
    }
    if (argc > 2) {
        ui_prompts().message(frame_, "usage: winkirvo [FILE.sgf]");
        return false;
    }
    if (manager_->CreateDocument(wxEmptyString, wxDOC_NEW) == nullptr) return false;
    // Whatever its extension, the file is read as a game; the reader says
    // what is wrong with one that is not.
    return argc < 2 || document()->OnOpenDocument(argv[1]);
}

void CWinKirvoApp::install_crash_message() {
    // When a failed check ends the program, the game is saved first and the
    // person is told where the message and the game are.
    diag::set_crash_hook([this](const std::string& message) {
        const std::string saved = save_game_on_crash(document()->control());
        ui_prompts().message(
            frame_, wxString::FromUTF8(message + "\n\nThe message is in error.txt. " + saved));
    });
}

int CWinKirvoApp::OnExit() {
    if (manager_ != nullptr) {
        manager_->FileHistorySave(*wxConfig::Get());
        delete manager_;
    }
    return wxApp::OnExit();
}

CWinKirvoDoc* CWinKirvoApp::document() const {
    if (manager_ == nullptr) return nullptr;
    return static_cast<CWinKirvoDoc*>(manager_->GetCurrentDocument());
}

void CWinKirvoApp::on_idle(wxIdleEvent& event) {
    // The toolkit's own idle work first; then at most one computer move.
    event.Skip();
    CWinKirvoDoc* doc = document();
    if (doc != nullptr && doc->computer_move()) event.RequestMore();
}

void CWinKirvoApp::print_preview() {
    wxView* view = manager_->GetCurrentView();
    if (view == nullptr) return;
    auto* preview = new wxPrintPreview(view->OnCreatePrintout(), view->OnCreatePrintout(),
                                       &manager_->GetPageSetupDialogData().GetPrintData());
    if (!preview->IsOk()) {
        delete preview;
        ui_prompts().message(frame_, "There is no printer to preview the board for.");
        return;
    }
    auto* window = new wxPreviewFrame(preview, frame_, "Print Preview");
    window->Initialize();
    window->Show();
}

void CWinKirvoApp::bind_commands() {
    using namespace command_id;
    const auto on = [this](int id, auto handler) {
        Bind(
            wxEVT_MENU, [handler](wxCommandEvent&) { handler(); }, id);
    };
    on(open_file, [this] { document()->open(wxEmptyString); });
    on(save, [this] { document()->Save(); });
    on(save_as, [this] { document()->SaveAs(); });
    on(command_id::print_preview, [this] { print_preview(); });
    on(print_setup, [this] {
        wxPageSetupDialog dialog(frame_, &manager_->GetPageSetupDialogData());
        if (dialog.ShowModal() == wxID_OK)
            manager_->GetPageSetupDialogData() = dialog.GetPageSetupDialogData();
    });
    on(about, [this] {
        CAboutDlg dialog(frame_);
        ui_prompts().run_modal(dialog);
    });
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent& event) {
            const size_t n = size_t(event.GetId() - recent_file);
            wxFileHistory* history = manager_->GetFileHistory();
            if (n < history->GetCount()) document()->open(history->GetHistoryFile(n));
        },
        recent_file, recent_file + recent_files - 1);
    Bind(wxEVT_IDLE, &CWinKirvoApp::on_idle, this);
}

wxIMPLEMENT_APP_NO_MAIN(CWinKirvoApp);
