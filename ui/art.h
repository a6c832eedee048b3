// The program's own pictures: the application icon and the toolbar buttons
// the toolkit's stock art has nothing for.
#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

// A toolbar button (16 x 15) for a command of the toolbar.
wxBitmap tool_bitmap(int command);

// The icon at a square size: a corner of a board with a black and a white
// stone.
wxBitmap icon_bitmap(int size);
wxIconBundle app_icons();
