// The desktop program's single document: the game control on the window
// toolkit's document framework.  The framework creates it once; every new
// game and every opened file reuses it.
#pragma once

#include <wx/docview.h>

#include "game/game_control.h"

class CWinKirvoDoc : public wxDocument, private game_ui {
  public:
    CWinKirvoDoc();

    game_control& control() { return control_; }

    // The idle step: one computer move or the game-over message; true when
    // the idle step should run again without waiting for input.
    bool computer_move();

    // Files, with the messages the user must see.
    bool OnNewDocument() override;
    bool OnOpenDocument(const wxString& file_name) override;
    bool OnSaveDocument(const wxString& file_name) override;
    bool Save() override;
    bool SaveAs() override;
    bool OnSaveModified() override;
    bool IsModified() const override { return control_.is_modified(); }
    void Modify(bool modified) override { control_.set_modified(modified); }
    wxString GetUserReadableName() const override;
    // Open and the recent files: the file name asked for (empty to ask) after
    // the prompt to save a modified game.
    void open(const wxString& file_name);

  private:
    game_control control_;

    // What the game control asks of the window.
    void message_box(const std::string& text) override;
    bool save_modified() override;
    void redraw() override;
    void begin_wait_cursor() override;
    void end_wait_cursor() override;

    void bind_commands();
    void on_command(game_command command);
    void after_file_change();

    wxDECLARE_DYNAMIC_CLASS(CWinKirvoDoc);
};
