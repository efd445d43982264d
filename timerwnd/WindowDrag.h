// Dragging a window by its client area with the left mouse button.
#pragma once

#include <windows.h>

class CWindowDrag {
public:
    // Starts at a point of the window's client area and captures the mouse.
    void Begin(HWND window, POINT clientPoint);
    // Moves the window by the cursor's way since the last point; ends when the button is up.
    void MoveTo(HWND window, POINT clientPoint, WPARAM keys);
    void End();
    bool IsDragging() const { return m_dragging; }

private:
    bool m_dragging = false;
    POINT m_lastCursor{0, 0};  // in screen coordinates
};
