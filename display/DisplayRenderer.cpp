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
    // Four bands, not one outline per pixel of width: the fading repaints the frame every tick.
    const int width = std::min({ScaleToDpi(dc, kFrameWidth), static_cast<int>((rect.right - rect.left + 1) / 2),
                                static_cast<int>((rect.bottom - rect.top + 1) / 2)});
    if (width <= 0)
        return;
    // The DC's own brush: no brush made and deleted for every fading step.
    const COLORREF previous = SetDCBrushColor(dc, fading);
    const auto frame = static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
    const RECT bands[] = {
        {rect.left, rect.top, rect.right, rect.top + width},
        {rect.left, rect.bottom - width, rect.right, rect.bottom},
        {rect.left, rect.top + width, rect.left + width, rect.bottom - width},
        {rect.right - width, rect.top + width, rect.right, rect.bottom - width},
    };
    for (const RECT& band : bands)
        FillRect(dc, &band, frame);
    SetDCBrushColor(dc, previous);
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
