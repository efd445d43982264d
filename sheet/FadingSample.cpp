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

void CFadingSample::Paint(HDC dc, const RECT& client, bool enabled)
{
    if (!enabled) {
        display::FillSolid(dc, client, GetSysColor(COLOR_BTNFACE));
        return;
    }
    display::PaintGradient(dc, client, m_fader);
}
