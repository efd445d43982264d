// The paint and enable handling shared by the display page's samples.
#include "sheet/SelfPaintedStatic.h"

#include "platform/Gdi.h"

LRESULT CSelfPaintedStatic::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT: {
        const CPaintDC paint(m_hWnd);
        RECT client{};
        GetClientRect(m_hWnd, &client);
        Paint(paint.Get(), client, !(GetWindowLongA(m_hWnd, GWL_STYLE) & WS_DISABLED));
        return 0;
    }
    case WM_ENABLE: {
        const LRESULT result = Default(msg, wParam, lParam);
        Invalidate();
        return result;
    }
    }
    return CStatic::WindowProc(msg, wParam, lParam);
}
