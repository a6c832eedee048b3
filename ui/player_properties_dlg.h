// Player Properties: who plays each colour and the computer's reading depths.
#pragma once

#include <wx/dialog.h>

#include "game/game_control.h"

class wxRadioButton;
class wxTextCtrl;

class CPlayerPropertiesDlg : public wxDialog {
  public:
    CPlayerPropertiesDlg(wxWindow* parent, const player_properties& values);
    const player_properties& values() const { return values_; }
    // What OK does, as in CGamePropertiesDlg.
    bool accept();

  private:
    player_properties values_;
};
