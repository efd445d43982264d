// Window dragging: the window follows the cursor's movement while the button is held.
#include "timerwnd/WindowDrag.h"

void CWindowDrag::Begin(HWND window, POINT clientPoint)
{
    m_dragging = true;
    m_lastCursor = clientPoint;
    ClientToScreen(window, &m_lastCursor);
    SetCapture(window);
}

void CWindowDrag::MoveTo(HWND window, POINT clientPoint, WPARAM keys)
{
    if (!m_dragging)
        return;
    if (!(keys & MK_LBUTTON)) {
        End();
        return;
    }
    POINT screen = clientPoint;
    ClientToScreen(window, &screen);
    RECT rect{};
    GetWindowRect(window, &rect);
    OffsetRect(&rect, screen.x - m_lastCursor.x, screen.y - m_lastCursor.y);
    MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
    m_lastCursor = screen;
}

void CWindowDrag::End()
{
    if (!m_dragging)
        return;
    m_dragging = false;
    ReleaseCapture();
}
