#include "ui/winkirvo_doc.h"

#include <wx/filename.h>
#include <wx/utils.h>

#include "ui/commands.h"
#include "ui/game_properties_dlg.h"
#include "ui/player_properties_dlg.h"
#include "ui/prompts.h"

wxIMPLEMENT_DYNAMIC_CLASS(CWinKirvoDoc, wxDocument);

CWinKirvoDoc::CWinKirvoDoc() : control_(*this) {
    bind_commands();
}

// --- the Game, Edit and View commands ----------------------------------------

void CWinKirvoDoc::bind_commands() {
    const auto on = [this](int id, auto handler) {
        Bind(
            wxEVT_MENU, [handler](wxCommandEvent&) { handler(); }, id);
    };
    game_control& c = control_;
    on(command_id::new_game, [this] {
        if (control_.new_game()) after_file_change();
    });
    on(command_id::new_with_properties, [this] {
        CGamePropertiesDlg dialog(GetDocumentWindow(), control_.settings(), [this] {
            wxCommandEvent players(wxEVT_MENU, command_id::players);
            ProcessEvent(players);
        });
        const bool ok = ui_prompts().run_modal(dialog) == wxID_OK;
        if (control_.new_game_with_properties(ok ? &dialog.values() : nullptr)) after_file_change();
    });
    on(command_id::players, [this] {
        CPlayerPropertiesDlg dialog(GetDocumentWindow(), control_.settings());
        const bool ok = ui_prompts().run_modal(dialog) == wxID_OK;
        control_.set_players(ok ? &dialog.values() : nullptr);
    });
    on(command_id::start_game, [&c] { c.start(); });
    on(command_id::pause_game, [&c] { c.pause(); });
    on(command_id::undo, [&c] { c.undo(); });
    on(command_id::undo_all, [&c] { c.undo_all(); });
    on(command_id::redo, [&c] { c.redo(); });
    on(command_id::redo_all, [&c] { c.redo_all(); });
    on(command_id::evaluations, [&c] { c.toggle_evaluations(); });

    // Enabled and checked states come from the game control alone.
    for (const game_command command :
         {game_command::new_game, game_command::new_with_properties, game_command::start,
          game_command::pause, game_command::undo, game_command::undo_all, game_command::redo,
          game_command::redo_all, game_command::players, game_command::evaluations,
          game_command::print}) {
        Bind(
            wxEVT_UPDATE_UI,
            [this, command](wxUpdateUIEvent& event) {
                event.Enable(control_.is_enabled(command));
                if (command == game_command::evaluations) event.Check(control_.is_checked(command));
            },
            command_id::of(command));
    }
}

// --- the computer --------------------------------------------------------------

bool CWinKirvoDoc::computer_move() {
    game_control& c = control_;
    if (c.is_paused() || c.side() == 0) return false;
    c.computer_move();
    // Ask again only while there is something to do: another computer move,
    // or the game-over message after the second pass.
    return !c.is_paused() && c.side() != 0 && (c.computer_to_move() || c.game().is_over());
}

// --- files -----------------------------------------------------------------------

wxString CWinKirvoDoc::GetUserReadableName() const {
    return wxString::FromUTF8(control_.title());
}

void CWinKirvoDoc::after_file_change() {
    const std::string& path = control_.path();
    SetFilename(wxString::FromUTF8(path), false);
    SetTitle(GetUserReadableName());
    if (!path.empty()) GetDocumentManager()->AddFileToHistory(wxString::FromUTF8(path));
    for (wxObject* view : GetViews()) static_cast<wxView*>(view)->OnChangeFilename();
}

bool CWinKirvoDoc::OnNewDocument() {
    control_.new_document();
    after_file_change();
    return true;
}

bool CWinKirvoDoc::OnOpenDocument(const wxString& file_name) {
    if (!control_.open_file(file_name.utf8_string())) return false;
    after_file_change();
    return true;
}

void CWinKirvoDoc::open(const wxString& requested) {
    wxString file_name = requested;
    if (file_name.empty()) file_name = ui_prompts().file_name(GetDocumentWindow(), false, "");
    if (file_name.empty()) return;
    if (IsModified() && !save_modified()) return;
    if (OnOpenDocument(file_name)) return;
    // A recent file that has gone leaves the list.
    if (!wxFileName::FileExists(file_name)) {
        wxFileHistory* history = GetDocumentManager()->GetFileHistory();
        for (size_t i = 0; i < history->GetCount(); ++i) {
            if (history->GetHistoryFile(i) == file_name) {
                history->RemoveFileFromHistory(i);
                break;
            }
        }
    }
}

bool CWinKirvoDoc::OnSaveDocument(const wxString& file_name) {
    if (!control_.save_file(file_name.utf8_string())) return false;
    after_file_change();
    return true;
}

bool CWinKirvoDoc::Save() {
    // A new game has no file yet: it is saved under a name the user gives.
    if (control_.path().empty()) return SaveAs();
    return OnSaveDocument(wxString::FromUTF8(control_.path()));
}

bool CWinKirvoDoc::SaveAs() {
    const wxString suggested = control_.path().empty() ? "Untitled.sgf" : GetUserReadableName();
    wxString file_name = ui_prompts().file_name(GetDocumentWindow(), true, suggested);
    if (file_name.empty()) return false;
    if (wxFileName(file_name).GetExt().empty()) file_name += ".sgf";
    return OnSaveDocument(file_name);
}

bool CWinKirvoDoc::OnSaveModified() {
    return !IsModified() || save_modified();
}

// --- what the game control asks of the window -------------------------------------

void CWinKirvoDoc::message_box(const std::string& text) {
    ui_prompts().message(GetDocumentWindow(), wxString::FromUTF8(text));
}

bool CWinKirvoDoc::save_modified() {
    switch (ui_prompts().yes_no_cancel(
        GetDocumentWindow(), "Do you want to save changes to " + GetUserReadableName() + "?")) {
        case wxYES:
            return Save();
        case wxNO:
            return true;
        default:
            return false;
    }
}

void CWinKirvoDoc::redraw() {
    UpdateAllViews();
}

void CWinKirvoDoc::begin_wait_cursor() {
    wxBeginBusyCursor();
}

void CWinKirvoDoc::end_wait_cursor() {
    wxEndBusyCursor();
}
