// The board canvas on a wxWidgets device context: the window's paint, a
// memory bitmap and the print preview all draw through it.
#pragma once

#include "ui/board_canvas.h"

class wxDC;

class dc_canvas : public board_canvas {
  public:
    // Without a font of its own the device context gets the GUI font.
    explicit dc_canvas(wxDC& dc);
    void fill(const pixel_rect& r, rgb colour) override;
    void rectangle(const pixel_rect& r, rgb pen, int pen_width, rgb brush) override;
    void ellipse(const pixel_rect& r, rgb pen, rgb brush) override;
    void line(int x0, int y0, int x1, int y1, rgb colour, int width) override;
    void text(int x, int y, const std::string& s, rgb foreground, rgb background) override;
    std::pair<int, int> text_extent(const std::string& s) override;

  private:
    wxDC& dc_;
};
