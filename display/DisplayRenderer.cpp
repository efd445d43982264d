// GDI drawing of the display; every brush and pen is released on every path.
#include "display/DisplayRenderer.h"

#include "platform/Dpi.h"
#include "platform/Gdi.h"

#include <algorithm>

namespace display {

void FillSolid(HDC dc, const RECT& rect, ColorRef color)
{
    const CBrush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.Get());
}

void PaintBackground(HDC dc, const RECT& rect, const CDisplaySet& settings, ColorRef fading)
{
    if (settings.m_bTransparent) {
        FillSolid(dc, rect, fading);
        return;
    }
    FillSolid(dc, rect, settings.m_crBackColor);
    PaintFrame(dc, rect, fading);
}

void PaintFrame(HDC dc, const RECT& rect, ColorRef fading)
{
    if (const CRegion frame = CreateFrameRegion(dc, rect))
        FillRegion(dc, frame.Get(), fading);
}

CRegion CreateFrameRegion(HDC dc, const RECT& rect)
{
    const int width = std::min({ScaleToDpi(dc, kFrameWidth), static_cast<int>((rect.right - rect.left + 1) / 2),
                                static_cast<int>((rect.bottom - rect.top + 1) / 2)});
    if (width <= 0)
        return CRegion();
    CRegion frame(CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom));
    const CRegion inside(CreateRectRgn(rect.left + width, rect.top + width, rect.right - width, rect.bottom - width));
    if (!frame || !inside || CombineRgn(frame.Get(), frame.Get(), inside.Get(), RGN_DIFF) == ERROR)
        return CRegion();
    return frame;
}

void FillRegion(HDC dc, HRGN region, ColorRef color)
{
    // One call for the whole frame, and the DC's own brush: the fading repaints it every tick.
    SetDCBrushColor(dc, color);
    FillRgn(dc, region, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void DrawText(HDC dc, int x, int y, const std::string& text, ColorRef color)
{
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void PaintGradient(HDC dc, const RECT& rect, CColorFader& fader)
{
    fader.SetRange(rect.left, rect.right);
    for (int x = rect.left; x < rect.right; ++x) {
        const CPen pen(CreatePen(PS_SOLID, 1, fader.ColorAt(x)));
        const CSelection selected(dc, pen.Get());
        MoveToEx(dc, x, rect.top, nullptr);
        LineTo(dc, x, rect.bottom);
    }
}

}  // namespace display
