// About WinKirvo: the icon, the version and the credits.
#pragma once

#include <wx/dialog.h>

// The version as the About box and `winkirvo --version` show it.
inline constexpr const char* version_text = "WinKirvo Version 0.94";

class CAboutDlg : public wxDialog {
  public:
    explicit CAboutDlg(wxWindow* parent);
};
