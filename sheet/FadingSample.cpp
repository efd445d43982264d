// Fading sample: one column per pixel in the fader's colour; the window text is never drawn.
#include "sheet/FadingSample.h"

#include "display/DisplayRenderer.h"
#include "platform/Gdi.h"

ColorRef CFadingSample::SetStartColor(ColorRef color)
{
    const ColorRef previous = m_fader.SetStartColor(color);
    if (m_hWnd)
        Invalidate();
    return previous;
}

ColorRef CFadingSample::SetEndColor(ColorRef color)
{
    const ColorRef previous = m_fader.SetEndColor(color);
    if (m_hWnd)
        Invalidate();
    return previous;
}

void CFadingSample::SetColors(ColorRef start, ColorRef end)
{
    m_fader.SetColors(start, end);
    if (m_hWnd)
        Invalidate();
}

LRESULT CFadingSample::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ENABLE: {
        const LRESULT result = Default(msg, wParam, lParam);
        Invalidate();
        return result;
    }
    }
    return CStatic::WindowProc(msg, wParam, lParam);
}

void CFadingSample::Paint()
{
    const CPaintDC paint(m_hWnd);
    RECT client{};
    GetClientRect(m_hWnd, &client);
    if (GetWindowLongA(m_hWnd, GWL_STYLE) & WS_DISABLED) {
        display::FillSolid(paint.Get(), client, GetSysColor(COLOR_BTNFACE));
        return;
    }
    display::PaintGradient(paint.Get(), client, m_fader);
}
