// The main window: menus, accelerators, toolbar and status bar around the
// board view.
#pragma once

#include <wx/docview.h>

class wxMenu;

class CMainFrame : public wxDocParentFrame {
  public:
    CMainFrame(wxDocManager* manager, const wxSize& size);
    // The recent files in the Game menu, after a change of the list.
    void refresh_recent_files();

  private:
    wxMenu* game_menu_ = nullptr;

    wxMenuBar* make_menu_bar();
    void make_toolbar();
    void make_status_bar();
    void bind_accelerators();
    void bind_frame_commands();
    void toggle_bar(wxWindow* bar);
    void show_lock_keys();
};
