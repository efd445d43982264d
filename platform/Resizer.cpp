// Anchored layout with DeferWindowPos, one pass per size change.
#include "platform/Resizer.h"

void CResizer::Init(HWND dialog, const std::vector<Rule>& rules)
{
    m_dialog = dialog;
    m_items.clear();
    RECT client{};
    GetClientRect(dialog, &client);
    m_startClient = SIZE{client.right, client.bottom};
    for (const Rule& rule : rules) {
        const HWND control = GetDlgItem(dialog, rule.controlId);
        if (!control)
            continue;
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        m_items.push_back(Item{rule, rect});
    }
}

void CResizer::OnSize(int clientWidth, int clientHeight) const
{
    if (!m_dialog || m_items.empty())
        return;
    const int dx = clientWidth - m_startClient.cx;
    const int dy = clientHeight - m_startClient.cy;
    HDWP positions = BeginDeferWindowPos(static_cast<int>(m_items.size()));
    for (const Item& item : m_items) {
        RECT rect = item.start;
        const unsigned anchors = item.rule.anchors;
        if (anchors & kRight) {
            rect.right += dx;
            if (!(anchors & kLeft))
                rect.left += dx;
        }
        if (anchors & kBottom) {
            rect.bottom += dy;
            if (!(anchors & kTop))
                rect.top += dy;
        }
        const HWND control = GetDlgItem(m_dialog, item.rule.controlId);
        if (positions)
            positions = DeferWindowPos(positions, control, nullptr, rect.left, rect.top,
                                       rect.right - rect.left, rect.bottom - rect.top,
                                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (positions)
        EndDeferWindowPos(positions);
    InvalidateRect(m_dialog, nullptr, TRUE);
}

