#include "ui/board_printout.h"

#include "ui/winkirvo_view.h"

board_printout::board_printout(CWinKirvoView* view) : wxPrintout("WinKirvo"), view_(view) {}

bool board_printout::OnPrintPage(int) {
    wxDC* dc = GetDC();
    if (dc == nullptr) return false;
    // The picture is laid out for the window's client area, as on screen.
    FitThisSizeToPage(view_->canvas()->GetClientSize());
    view_->OnDraw(dc);
    return true;
}

void board_printout::GetPageInfo(int* min_page, int* max_page, int* from, int* to) {
    *min_page = *max_page = *from = *to = 1;
}
