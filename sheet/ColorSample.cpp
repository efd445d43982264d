// Colour sample: painted whole in WM_PAINT, aligned by the control's own SS_* styles.
#include "sheet/ColorSample.h"

#include "display/DisplayRenderer.h"
#include "platform/Gdi.h"

#include <algorithm>

ColorRef CColorSample::SetBackColor(ColorRef color)
{
    return ReplaceColor(*this, m_backColor, color);
}

ColorRef CColorSample::SetTextColor(ColorRef color)
{
    return ReplaceColor(*this, m_textColor, color);
}

void CColorSample::SetText(const std::string& text)
{
    if (!m_hWnd)
        return;
    SetWindowText(text);
    Invalidate();
}

void CColorSample::Paint(HDC dc, const RECT& client, bool enabled)
{
    const LONG style = GetWindowLongA(m_hWnd, GWL_STYLE);
    const ColorRef back = enabled && !IsNoColor(m_backColor) ? m_backColor : GetSysColor(COLOR_BTNFACE);
    ColorRef text = GetSysColor(COLOR_GRAYTEXT);
    if (enabled)
        text = IsNoColor(m_textColor) ? GetSysColor(COLOR_WINDOWTEXT) : m_textColor;

    display::FillSolid(dc, client, back);

    const auto font = reinterpret_cast<HFONT>(::SendMessageA(GetParent(m_hWnd), WM_GETFONT, 0, 0));
    const CSelection selectedFont(dc, font);
    const std::string caption = GetWindowText();
    SIZE extent{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);

    SetTextAlign(dc, TA_LEFT | TA_TOP);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    int x = client.left;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER: x += (width - extent.cx) / 2; break;
    case SS_RIGHT: x += width - extent.cx; break;
    }
    // A text wider than the sample (the font grows faster than dialog units on dense screens)
    // keeps its beginning in view.
    x = std::max(x, static_cast<int>(client.left));
    int y = client.top;
    if (style & SS_CENTERIMAGE)
        y += (height - extent.cy) / 2;
    SetBkColor(dc, back);
    ::SetTextColor(dc, text);
    TextOutA(dc, x, y, caption.c_str(), static_cast<int>(caption.size()));
}
