// The application: the settings and recent files, the document template,
// the command line, the main window, and the computer's play from the idle
// step.
#pragma once

#include <wx/app.h>

class CMainFrame;
class CWinKirvoDoc;
class wxDocManager;

class CWinKirvoApp : public wxApp {
  public:
    bool OnInit() override;
    int OnExit() override;
    // The document of the main window; null before it exists.
    CWinKirvoDoc* document() const;
    CMainFrame* frame() const { return frame_; }

  private:
    wxDocManager* manager_ = nullptr;
    CMainFrame* frame_ = nullptr;

    bool open_command_line();
    void install_crash_message();
    void bind_commands();
    void on_idle(wxIdleEvent& event);
    void print_preview();
};

wxDECLARE_APP(CWinKirvoApp);
