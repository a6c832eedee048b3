// About WinKirvo: the icon, the version and the credits.
#pragma once

#include <wx/dialog.h>

class CAboutDlg : public wxDialog {
  public:
    explicit CAboutDlg(wxWindow* parent);
};
