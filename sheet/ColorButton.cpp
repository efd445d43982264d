// Colour swatch button: pushed and default looks, focus, an engraved frame while disabled.
#include "sheet/ColorButton.h"

#include "display/DisplayRenderer.h"
#include "platform/Gdi.h"

bool CColorButton::AttachDlgItem(int id, HWND dialog)
{
    if (!CButton::AttachDlgItem(id, dialog))
        return false;
    const LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    // The button type is a value, not a flag: a default push button must not stay one.
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    Invalidate();
    return true;
}

ColorRef CColorButton::SetColor(ColorRef color)
{
    return ReplaceColor(*this, m_color, color);
}

bool CColorButton::OnMessageReflect(UINT msg, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (msg != WM_DRAWITEM)
        return false;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void CColorButton::DrawItem(const DRAWITEMSTRUCT& item) const
{
    const HDC dc = item.hDC;
    RECT r = item.rcItem;

    UINT frameState = DFCS_BUTTONPUSH;
    if (item.itemState & ODS_SELECTED)
        frameState |= DFCS_PUSHED;
    if (item.itemState & ODS_DISABLED)
        frameState |= DFCS_INACTIVE;
    DrawFrameControl(dc, &r, DFC_BUTTON, frameState);

    if (item.itemState & ODS_DEFAULT)
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    InflateRect(&r, -2, -2);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &r);
    InflateRect(&r, -1, -1);

    if (item.itemState & ODS_DISABLED) {
        // An empty engraved frame: highlight one pixel down and right, shadow on top of it.
        --r.right;
        --r.bottom;
        OffsetRect(&r, 1, 1);
        const CBrush highlight(CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT)));
        FrameRect(dc, &r, highlight.Get());
        OffsetRect(&r, -1, -1);
        const CBrush shadow(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
        FrameRect(dc, &r, shadow.Get());
        return;
    }

    const CBrush black(CreateSolidBrush(RGB(0, 0, 0)));
    FrameRect(dc, &r, black.Get());
    InflateRect(&r, -1, -1);
    display::FillSolid(dc, r, IsNoColor(m_color) ? GetSysColor(COLOR_BTNFACE) : m_color);
}
