#include "ui/dc_canvas.h"

#include <wx/dc.h>
#include <wx/settings.h>

namespace {

wxColour colour_of(rgb c) {
    return wxColour(c.red, c.green, c.blue);
}

wxRect rect_of(const pixel_rect& r) {
    return wxRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace

dc_canvas::dc_canvas(wxDC& dc) : dc_(dc) {
    if (!dc_.GetFont().IsOk()) dc_.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
}

void dc_canvas::fill(const pixel_rect& r, rgb colour) {
    dc_.SetPen(*wxTRANSPARENT_PEN);
    dc_.SetBrush(wxBrush(colour_of(colour)));
    dc_.DrawRectangle(rect_of(r));
}

// A wide pen would straddle the edge; the outline is kept inside the box by
// filling the box with the pen's colour and its inside with the brush.
void dc_canvas::rectangle(const pixel_rect& r, rgb pen, int pen_width, rgb brush) {
    fill(r, pen);
    const pixel_rect inside{r.left + pen_width, r.top + pen_width, r.right - pen_width,
                            r.bottom - pen_width};
    if (inside.right > inside.left && inside.bottom > inside.top) fill(inside, brush);
}

void dc_canvas::ellipse(const pixel_rect& r, rgb pen, rgb brush) {
    dc_.SetPen(wxPen(colour_of(pen), 1));
    dc_.SetBrush(wxBrush(colour_of(brush)));
    dc_.DrawEllipse(rect_of(r));
}

void dc_canvas::line(int x0, int y0, int x1, int y1, rgb colour, int width) {
    dc_.SetPen(wxPen(colour_of(colour), width));
    dc_.DrawLine(x0, y0, x1, y1);
}

void dc_canvas::text(int x, int y, const std::string& s, rgb foreground, rgb background) {
    dc_.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
    dc_.SetTextForeground(colour_of(foreground));
    dc_.SetTextBackground(colour_of(background));
    dc_.DrawText(wxString::FromUTF8(s), x, y);
}

std::pair<int, int> dc_canvas::text_extent(const std::string& s) {
    wxCoord w = 0, h = 0;
    dc_.GetTextExtent(wxString::FromUTF8(s), &w, &h);
    return {w, h};
}
