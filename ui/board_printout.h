// The board on a printed page: the window's picture, scaled to the page.
#pragma once

#include <wx/print.h>

class CWinKirvoView;

class board_printout : public wxPrintout {
  public:
    explicit board_printout(CWinKirvoView* view);
    bool OnPrintPage(int page) override;
    bool HasPage(int page) override { return page == 1; }
    void GetPageInfo(int* min_page, int* max_page, int* from, int* to) override;

  private:
    CWinKirvoView* view_;
};
