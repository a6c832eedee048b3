#include "ui/art.h"

#include <wx/artprov.h>
#include <wx/dcmemory.h>

#include "ui/commands.h"

namespace {

const wxSize tool_size(16, 15);
const wxColour transparent(255, 0, 255);
const wxColour board_colour(200, 200, 127);

// A drawing on a transparent 16 x 15 button.
template <typename Draw>
wxBitmap drawn_tool(Draw draw) {
    wxBitmap bitmap(tool_size);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(transparent));
        dc.Clear();
        dc.SetPen(*wxBLACK_PEN);
        dc.SetBrush(*wxBLACK_BRUSH);
        draw(dc);
    }
    bitmap.SetMask(new wxMask(bitmap, transparent));
    return bitmap;
}

void triangle(wxDC& dc, int left, int direction) {
    // Points right for direction 1, left for -1.
    const int tip = left + (direction > 0 ? 5 : 0), base = left + (direction > 0 ? 0 : 5);
    const wxPoint corners[] = {{base, 2}, {tip, 7}, {base, 12}};
    dc.DrawPolygon(3, corners);
}

wxBitmap players() {
    return drawn_tool([](wxDC& dc) {
        dc.DrawEllipse(1, 3, 9, 9);
        dc.SetBrush(*wxWHITE_BRUSH);
        dc.DrawEllipse(6, 3, 9, 9);
    });
}

wxBitmap start_arrow() {
    return drawn_tool([](wxDC& dc) { triangle(dc, 5, 1); });
}

wxBitmap pause_bars() {
    return drawn_tool([](wxDC& dc) {
        dc.DrawRectangle(4, 2, 3, 11);
        dc.DrawRectangle(9, 2, 3, 11);
    });
}

wxBitmap undo_all() {
    return drawn_tool([](wxDC& dc) {
        dc.DrawRectangle(2, 2, 2, 11);
        triangle(dc, 4, -1);
        triangle(dc, 9, -1);
    });
}

wxBitmap redo_all() {
    return drawn_tool([](wxDC& dc) {
        triangle(dc, 2, 1);
        triangle(dc, 7, 1);
        dc.DrawRectangle(12, 2, 2, 11);
    });
}

wxBitmap evaluations() {
    return drawn_tool([](wxDC& dc) {
        dc.DrawEllipse(1, 1, 13, 13);
        dc.SetTextForeground(*wxWHITE);
        dc.SetFont(wxFontInfo(7).Bold());
        dc.DrawLabel("7", wxRect(1, 1, 13, 13), wxALIGN_CENTRE);
    });
}

wxBitmap stock(const wxArtID& id) {
    return wxArtProvider::GetBitmap(id, wxART_TOOLBAR, tool_size);
}

}  // namespace

wxBitmap tool_bitmap(int command) {
    switch (command) {
        case command_id::new_game:
            return stock(wxART_NEW);
        case command_id::open_file:
            return stock(wxART_FILE_OPEN);
        case command_id::save:
            return stock(wxART_FILE_SAVE);
        case command_id::print:
            return stock(wxART_PRINT);
        case command_id::undo:
            return stock(wxART_UNDO);
        case command_id::redo:
            return stock(wxART_REDO);
        case command_id::about:
            return stock(wxART_HELP);
        case command_id::players:
            return players();
        case command_id::start_game:
            return start_arrow();
        case command_id::pause_game:
            return pause_bars();
        case command_id::undo_all:
            return undo_all();
        case command_id::redo_all:
            return redo_all();
        case command_id::evaluations:
            return evaluations();
    }
    return wxNullBitmap;
}

wxBitmap icon_bitmap(int size) {
    wxBitmap bitmap(size, size);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(board_colour));
    dc.Clear();
    const int step = size / 4;
    dc.SetPen(*wxBLACK_PEN);
    for (int k = 1; k < 4; ++k) {
        dc.DrawLine(k * step, step, k * step, size);
        dc.DrawLine(step, k * step, size, k * step);
    }
    const int stone = step * 2 - 2;
    dc.SetBrush(*wxBLACK_BRUSH);
    dc.SetPen(*wxWHITE_PEN);
    dc.DrawEllipse(step * 2 - stone / 2, step - stone / 2, stone, stone);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawEllipse(step - stone / 2, step * 2 - stone / 2, stone, stone);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

wxIconBundle app_icons() {
    wxIconBundle icons;
    for (const int size : {16, 32, 48}) {
        wxIcon icon;
        icon.CopyFromBitmap(icon_bitmap(size));
        icons.AddIcon(icon);
    }
    return icons;
}
