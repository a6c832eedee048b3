// The drawing surface of the board picture, free of any toolkit: the
// painter draws onto it, the window adapts a device context to it, and the
// tests record what is drawn.
#pragma once

#include <string>
#include <utility>

struct rgb {
    unsigned char red = 0, green = 0, blue = 0;
    friend bool operator==(const rgb&, const rgb&) = default;
};

// Pixels; the right and bottom edges are exclusive.
struct pixel_rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const pixel_rect&, const pixel_rect&) = default;
};

class board_canvas {
  public:
    virtual ~board_canvas() = default;
    // A solid fill without outline.
    virtual void fill(const pixel_rect& r, rgb colour) = 0;
    // An outline of the pen's width (inside the box) filled with the brush.
    virtual void rectangle(const pixel_rect& r, rgb pen, int pen_width, rgb brush) = 0;
    // An ellipse in its bounding box, 1-pixel outline.
    virtual void ellipse(const pixel_rect& r, rgb pen, rgb brush) = 0;
    // A solid line from (x0, y0) to (x1, y1); the last pixel is not drawn.
    virtual void line(int x0, int y0, int x1, int y1, rgb colour, int width) = 0;
    // Text with its top left corner at (x, y) on an opaque background.
    virtual void text(int x, int y, const std::string& s, rgb foreground, rgb background) = 0;
    // Width and height of the text in pixels.
    virtual std::pair<int, int> text_extent(const std::string& s) = 0;
};
