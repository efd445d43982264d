// Keeping a window on one monitor: where it may go inside a work area, and which work area.
#pragma once

#include <windows.h>

namespace orv {

// The top left corner for a window of `size` wanted at `topLeft` so that it lies inside `area`:
// pushed back left and up as far as its right and bottom edges need, and then right and down
// so that its left and top edges stay inside; one larger than the area starts at its corner.
POINT KeepInArea(POINT topLeft, SIZE size, const RECT& area);
// The same for a whole rectangle, its size unchanged.
RECT KeepInArea(const RECT& rect, const RECT& area);

// Work area (the monitor without its taskbar) of the monitor under `point`, or the nearest.
RECT WorkAreaAt(POINT point);
// Of the monitor a rectangle mostly lies on, or the nearest one.
RECT WorkAreaNearest(const RECT& rect);
// Of the monitor a window mostly lies on, or the nearest one.
RECT WorkAreaOf(HWND window);

}  // namespace orv
