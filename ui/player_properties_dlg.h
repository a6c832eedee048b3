// Player Properties: who plays each colour and the computer's reading depths.
#pragma once

#include <string>

#include <wx/dialog.h>

#include "game/game_settings.h"

class wxRadioButton;
class wxSizer;
class wxTextCtrl;

class CPlayerPropertiesDlg : public wxDialog {
  public:
    CPlayerPropertiesDlg(wxWindow* parent, const game_settings& values);
    const game_settings& values() const { return values_; }
    // What OK does, as in CGamePropertiesDlg.
    bool accept();

  private:
    game_settings values_;

    // One colour's box: who plays it and the computer's three depths.
    struct side_controls {
        wxRadioButton* human = nullptr;
        wxRadioButton* computer = nullptr;
        wxTextCtrl* status = nullptr;
        wxTextCtrl* connection = nullptr;
        wxTextCtrl* life_death = nullptr;
    };
    struct side_labels;
    side_controls black_, white_;

    wxSizer* create_side(const side_labels& labels, side_controls& side);
    void set_side(side_controls& side, int kind, const std::string& status,
                  const std::string& connection, const std::string& life_death);
    // The depths of a colour can be edited only when the computer plays it.
    void update_depths();
};
