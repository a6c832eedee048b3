// Game Properties: seed, use seed, handicap and komi before a new game.
#pragma once

#include <functional>

#include <wx/dialog.h>

#include "game/game_settings.h"

class wxCheckBox;
class wxTextCtrl;

class CGamePropertiesDlg : public wxDialog {
  public:
    // players runs Player Properties at once (the Players... button).
    CGamePropertiesDlg(wxWindow* parent, const game_settings& values,
                       std::function<void()> players);
    // The values after OK.
    const game_settings& values() const { return values_; }
    // What OK does: the fields read and checked in exchange order; false,
    // with the message shown and the failing field focused, on a bad value.
    bool accept();

  private:
    game_settings values_;
    std::function<void()> players_;
    wxTextCtrl* seed_ = nullptr;
    wxCheckBox* use_seed_ = nullptr;
    wxTextCtrl* handicap_ = nullptr;
    wxTextCtrl* komi_ = nullptr;

    void create_controls();
    void handicap_changed();
};
