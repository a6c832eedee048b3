// The board view: the picture of the document's game in the frame's client
// area, painted through a buffer, and the mouse buttons on it.
#pragma once

#include <wx/docview.h>
#include <wx/window.h>

#include "ui/board_painter.h"

class CWinKirvoDoc;

class CWinKirvoView : public wxView {
  public:
    bool OnCreate(wxDocument* doc, long flags) override;
    bool OnClose(bool delete_window) override;
    // Draws the picture for the client area's size, on the screen and in the
    // print preview alike.
    void OnDraw(wxDC* dc) override;
    void OnUpdate(wxView* sender, wxObject* hint) override;
    void OnChangeFilename() override;
    wxPrintout* OnCreatePrintout() override;

    CWinKirvoDoc* document() const;
    wxWindow* canvas() const { return canvas_; }
    // The scale of the last paint, which the mouse buttons use.
    const board_scale& scale() const { return scale_; }

  private:
    wxWindow* canvas_ = nullptr;
    board_scale scale_;

    void on_paint(wxPaintEvent& event);
    void on_left_down(wxMouseEvent& event);
    void on_right_down(wxMouseEvent& event);

    wxDECLARE_DYNAMIC_CLASS(CWinKirvoView);
};
