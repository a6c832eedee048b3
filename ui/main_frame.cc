#include "ui/main_frame.h"

#include <wx/accel.h>
#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include <iterator>

#include "ui/art.h"
#include "ui/commands.h"

namespace {

using namespace command_id;

// The status-bar prompt and tooltip of each command: text before "\n" goes
// to the status bar, after it to the tooltip.
struct command_prompt {
    int command;
    const char* text;
};
constexpr command_prompt command_prompts[] = {
    {new_game, "Quit the current game and start a new\nNew game"},
    {new_with_properties, "Set properties and start a new game\nNew with properties"},
    {players, "Edit player properties\nEdit players"},
    {start_game, "Start or resume the game\nStart/resume game"},
    {pause_game, "Pause the game\nPause game"},
    {undo_all, "Undo to start of game\nUndo all"},
    {redo_all, "Redo all undone moves\nRedo all"},
    {evaluations, "Show evaluation of stone safety and territory\nShow evaluations"},
    {open_file, "Quit the current game and open a game from file\nOpen"},
    {save, "Save the game\nSave"},
    {print, "Print the board and moves\nPrint"},
    {undo, "Undo the last move\nUndo"},
    {redo, "Redo undone move\nRedo"},
    {save_as, "Save the active document with a new name\nSave As"},
    {print_preview, "Display full pages\nPrint Preview"},
    {print_setup, "Change the printer and printing options\nPrint Setup"},
    {exit_program, "Quit the application; prompts to save documents\nExit"},
    {toolbar, "Show or hide the toolbar\nToggle ToolBar"},
    {status_bar, "Show or hide the status bar\nToggle StatusBar"},
    {about, "Display program information, version number and copyright\nAbout"},
};

wxString prompt_part(int command, bool tooltip) {
    for (const command_prompt& p : command_prompts) {
        if (p.command != command) continue;
        const wxString text = p.text;
        return tooltip ? text.AfterFirst('\n') : text.BeforeFirst('\n');
    }
    return wxEmptyString;
}

// One menu item with its label, accelerator text and status-bar prompt.
void item(wxMenu* menu, int command, const char* label, wxItemKind kind = wxITEM_NORMAL) {
    menu->Append(command, label, prompt_part(command, false), kind);
}

constexpr int message_pane = 0;
const char* const lock_texts[] = {"CAP", "NUM", "SCRL"};
const wxKeyCode lock_keys[] = {WXK_CAPITAL, WXK_NUMLOCK, WXK_SCROLL};

}  // namespace

CMainFrame::CMainFrame(wxDocManager* manager, const wxSize& size)
    : wxDocParentFrame(manager, nullptr, wxID_ANY, "WinKirvo", wxDefaultPosition, size) {
    SetMenuBar(make_menu_bar());
    make_toolbar();
    make_status_bar();
    bind_accelerators();
    bind_frame_commands();
    refresh_recent_files();
}

wxMenuBar* CMainFrame::make_menu_bar() {
    game_menu_ = new wxMenu;
    item(game_menu_, new_game, "&New\tCtrl+N");
    item(game_menu_, new_with_properties, "Ne&w with properties...");
    game_menu_->AppendSeparator();
    item(game_menu_, start_game, "S&tart or resume the game\tCtrl+G");
    item(game_menu_, pause_game, "Pa&use the game\tCtrl+Shift+G");
    game_menu_->AppendSeparator();
    item(game_menu_, open_file, "&Open...\tCtrl+O");
    item(game_menu_, save, "&Save\tCtrl+S");
    item(game_menu_, save_as, "Save &As...");
    game_menu_->AppendSeparator();
    item(game_menu_, print, "&Print...\tCtrl+P");
    item(game_menu_, print_preview, "Print Pre&view");
    item(game_menu_, print_setup, "P&rint Setup...");
    game_menu_->AppendSeparator();
    // The recent files go here (refresh_recent_files).
    game_menu_->AppendSeparator();
    item(game_menu_, exit_program, "E&xit");

    wxMenu* edit = new wxMenu;
    item(edit, undo, "&Undo\tCtrl+Z");
    item(edit, undo_all, "Undo &all");
    item(edit, redo, "&Redo\tCtrl+X");
    item(edit, redo_all, "R&edo all");
    edit->AppendSeparator();
    item(edit, players, "&Players...");

    wxMenu* view = new wxMenu;
    item(view, evaluations, "&Evaluations\tCtrl+E", wxITEM_CHECK);
    view->AppendSeparator();
    item(view, toolbar, "&Toolbar", wxITEM_CHECK);
    item(view, status_bar, "&Status Bar", wxITEM_CHECK);

    wxMenu* help = new wxMenu;
    item(help, about, "&About WinKirvo...");

    wxMenuBar* bar = new wxMenuBar;
    bar->Append(game_menu_, "&Game");
    bar->Append(edit, "&Edit");
    bar->Append(view, "&View");
    bar->Append(help, "&Help");
    return bar;
}

void CMainFrame::refresh_recent_files() {
    // Between the separators after Print Setup: the files, or a greyed
    // "Recent File" when there are none.
    const size_t first = game_menu_->GetMenuItems().IndexOf(game_menu_->FindItem(print_setup)) + 2;
    while (game_menu_->FindItemByPosition(first)->GetId() != wxID_SEPARATOR)
        game_menu_->Destroy(game_menu_->FindItemByPosition(first));
    wxFileHistory* history = GetDocumentManager()->GetFileHistory();
    const size_t count = history->GetCount();
    for (size_t i = 0; i < count; ++i) {
        const wxString label = wxString::Format(
            "&%zu %s", i + 1, wxFileName(history->GetHistoryFile(i)).GetFullName());
        game_menu_->Insert(first + i, recent_file + int(i), label, "Open this document");
    }
    if (count == 0) {
        game_menu_->Insert(first, recent_file, "Recent File");
        game_menu_->Enable(recent_file, false);
    }
}

void CMainFrame::make_toolbar() {
    wxToolBar* bar = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT, toolbar);
    bar->SetToolBitmapSize(wxSize(16, 15));
    const auto tool = [bar](int command, wxItemKind kind = wxITEM_NORMAL) {
        bar->AddTool(command, prompt_part(command, true), tool_bitmap(command), wxNullBitmap, kind,
                     prompt_part(command, true), prompt_part(command, false));
    };
    tool(new_game);
    tool(open_file);
    tool(save);
    tool(print);
    bar->AddSeparator();
    tool(players);
    bar->AddSeparator();
    tool(start_game);
    tool(pause_game);
    bar->AddSeparator();
    tool(undo_all);
    tool(undo);
    tool(redo);
    tool(redo_all);
    bar->AddSeparator();
    tool(evaluations, wxITEM_CHECK);
    bar->AddSeparator();
    tool(about);
    bar->Realize();
}

void CMainFrame::make_status_bar() {
    wxStatusBar* bar = CreateStatusBar(4, wxSTB_DEFAULT_STYLE, status_bar);
    int widths[4] = {-1, 0, 0, 0};
    for (int i = 1; i < 4; ++i) widths[i] = bar->GetTextExtent(lock_texts[i - 1]).x + 16;
    bar->SetStatusWidths(4, widths);
    SetStatusBarPane(message_pane);
    SetStatusText("Ready", message_pane);
}

void CMainFrame::bind_accelerators() {
    // The menus carry their own accelerators; these are the others.
    wxAcceleratorEntry entries[] = {
        {wxACCEL_ALT, WXK_BACK, undo},       {wxACCEL_CTRL, 'C', copy},
        {wxACCEL_CTRL, WXK_INSERT, copy},    {wxACCEL_CTRL, 'V', paste},
        {wxACCEL_SHIFT, WXK_INSERT, paste},  {wxACCEL_SHIFT, WXK_DELETE, cut},
        {wxACCEL_NORMAL, WXK_F6, next_pane}, {wxACCEL_SHIFT, WXK_F6, previous_pane},
    };
    SetAcceleratorTable(wxAcceleratorTable(int(std::size(entries)), entries));
    // The clipboard and pane keys have no command behind them.
    for (const int command : {copy, cut, paste, next_pane, previous_pane})
        Bind(
            wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, command);
}

void CMainFrame::toggle_bar(wxWindow* bar) {
    bar->Show(!bar->IsShown());
    SendSizeEvent();
}

void CMainFrame::show_lock_keys() {
    wxStatusBar* bar = GetStatusBar();
    if (bar == nullptr || !bar->IsShown()) return;
    for (int i = 0; i < 3; ++i) {
        const wxString text = wxGetKeyState(lock_keys[i]) ? lock_texts[i] : "";
        if (bar->GetStatusText(i + 1) != text) bar->SetStatusText(text, i + 1);
    }
}

void CMainFrame::bind_frame_commands() {
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { toggle_bar(GetToolBar()); }, toolbar);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { toggle_bar(GetStatusBar()); }, status_bar);
    Bind(
        wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Check(GetToolBar()->IsShown()); }, toolbar);
    Bind(
        wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Check(GetStatusBar()->IsShown()); },
        status_bar);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, exit_program);
    Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
        event.Skip();
        show_lock_keys();
    });
}
