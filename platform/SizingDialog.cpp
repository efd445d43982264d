// Minimum size from any edge, the layout hook, and accelerators inside dialogs.
#include "platform/SizingDialog.h"

#include <algorithm>

namespace orv::Windows {

BOOL CSizingDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    InitLayout();
    return TRUE;
}

void CSizingDialog::InitLayout()
{
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    m_nMinWidth = window.right - window.left;
    m_nMinHeight = window.bottom - window.top;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    m_nInitialClientWidth = client.right;
    m_nInitialClientHeight = client.bottom;
}

void CSizingDialog::Relayout()
{
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    Layout(client.right, client.bottom);
}

void CSizingDialog::Layout(int width, int height)
{
    m_nLayoutWidth = std::max(width, m_nInitialClientWidth);
    m_nLayoutHeight = std::max(height, m_nInitialClientHeight);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CSizingDialog::KeepMinimumSize(WPARAM edge, RECT& rect) const
{
    if (rect.right - rect.left < m_nMinWidth) {
        if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT)
            rect.left = rect.right - m_nMinWidth;
        else if (edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT)
            rect.right = rect.left + m_nMinWidth;
    }
    if (rect.bottom - rect.top < m_nMinHeight) {
        if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT)
            rect.top = rect.bottom - m_nMinHeight;
        else if (edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT)
            rect.bottom = rect.top + m_nMinHeight;
    }
}

LRESULT CSizingDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SIZE: {
        // The dialog manager first, then the controls follow the new size.
        const LRESULT result = CDialog::WindowProc(msg, wParam, lParam);
        Layout(LOWORD(lParam), HIWORD(lParam));
        return result;
    }
    case WM_SIZING:
        KeepMinimumSize(wParam, *reinterpret_cast<RECT*>(lParam));
        return TRUE;
    }
    return CDialog::WindowProc(msg, wParam, lParam);
}

CAccelDialog::CAccelDialog(UINT iconId, UINT acceleratorId, UINT templateId, HWND parent)
    : CSizingDialog(templateId, parent), m_accelerators(acceleratorId)
{
    if (iconId)
        m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId));
}

BOOL CAccelDialog::OnInitDialog()
{
    CSizingDialog::OnInitDialog();
    if (m_hIcon)
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    return TRUE;
}

bool CAccelDialog::PreTranslateMessage(MSG* msg)
{
    if (m_accelerators.Translate(m_hWnd, msg))
        return true;
    return CSizingDialog::PreTranslateMessage(msg);
}

}  // namespace orv::Windows
