// Placement and monitor maths of the timer window: the stored placement block read from and
// applied to a window so that it can be seen; its frame and its place in the z-order.
#pragma once

#include "settings/TimerOptions.h"

#include <windows.h>

namespace placement {

// The window's placement as it is stored.
CWindowPlacement Current(HWND window);
// A rectangle that meets no monitor is moved into the work area of the nearest one, whole where
// it fits; any other stays as it is.
RECT OnAMonitor(RECT rect);
// Applies a stored placement so that the window can be seen: shown normally, with a rectangle
// that is not empty and lies on a monitor. A rectangle too small for a client area takes the
// size `paintable` at its place.
void Apply(HWND window, const CWindowPlacement& stored, SIZE paintable);
// The dialog frame and client edge on or off; the window takes the new frame when next sized.
void SetFramed(HWND window, bool framed);
void SetTopmost(HWND window, bool topmost);
// Width and height the window's frame adds to its client area, from its styles.
SIZE FrameExtent(HWND window);

}  // namespace placement
