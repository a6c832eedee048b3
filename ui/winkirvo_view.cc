#include "ui/winkirvo_view.h"

#include <wx/app.h>
#include <wx/dcbuffer.h>
#include <wx/frame.h>

#include "ui/board_printout.h"
#include "ui/dc_canvas.h"
#include "ui/winkirvo_doc.h"

wxIMPLEMENT_DYNAMIC_CLASS(CWinKirvoView, wxView);

bool CWinKirvoView::OnCreate(wxDocument* doc, long flags) {
    if (!wxView::OnCreate(doc, flags)) return false;
    wxFrame* frame = wxDynamicCast(wxTheApp->GetTopWindow(), wxFrame);
    SetFrame(frame);
    canvas_ = new wxWindow(frame, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                           wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS);
    // The paint covers every pixel itself: no background erase, no flicker.
    canvas_->SetBackgroundStyle(wxBG_STYLE_PAINT);
    canvas_->Bind(wxEVT_PAINT, &CWinKirvoView::on_paint, this);
    // A quick second click is a click too (two passes, a stone then a
    // pass), not a double click.
    for (const auto type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_DCLICK})
        canvas_->Bind(type, &CWinKirvoView::on_left_down, this);
    for (const auto type : {wxEVT_RIGHT_DOWN, wxEVT_RIGHT_DCLICK})
        canvas_->Bind(type, &CWinKirvoView::on_right_down, this);
    frame->SendSizeEvent();
    Activate(true);
    return true;
}

bool CWinKirvoView::OnClose(bool delete_window) {
    if (!wxView::OnClose(delete_window)) return false;
    Activate(false);
    return true;
}

CWinKirvoDoc* CWinKirvoView::document() const {
    return static_cast<CWinKirvoDoc*>(GetDocument());
}

void CWinKirvoView::OnDraw(wxDC* dc) {
    const wxSize size = canvas_->GetClientSize();
    scale_ = scale_for(size.x, size.y);
    dc_canvas canvas(*dc);
    paint_board(document()->control(), size.x, size.y, canvas);
}

void CWinKirvoView::on_paint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(canvas_);
    OnDraw(&dc);
}

void CWinKirvoView::OnUpdate(wxView*, wxObject*) {
    if (canvas_ == nullptr) return;
    canvas_->Refresh(false);
    canvas_->Update();
}

void CWinKirvoView::OnChangeFilename() {
    if (GetFrame() != nullptr)
        GetFrame()->SetLabel(document()->GetUserReadableName() + " - WinKirvo");
}

void CWinKirvoView::on_left_down(wxMouseEvent& event) {
    event.Skip();
    left_click(document()->control(), scale_, event.GetX(), event.GetY());
}

void CWinKirvoView::on_right_down(wxMouseEvent& event) {
    event.Skip();
    right_click(document()->control(), scale_, event.GetX(), event.GetY());
}

wxPrintout* CWinKirvoView::OnCreatePrintout() {
    return new board_printout(this);
}
