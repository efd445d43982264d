// About list: compact remaining-time texts, ordered by remaining time, ties by text.
#include "sheet/InfoListCtrl.h"

#include "core/RemainingText.h"
#include "platform/Dpi.h"

#include <mbstring.h>

CInfoListCtrl::CInfoListCtrl()
{
    m_bReleaseItemData = false;  // the item data are row indices
}

void CInfoListCtrl::InitList(CTerminList* termine)
{
    m_pTermine = termine;
    // The first column of a list view is always left-aligned; one made second and moved to the
    // front by deleting a placeholder keeps its right alignment.
    InsertColumn(0, "", LVCFMT_LEFT, 0, 0);
    // Column widths for 96 dots per inch that follow the screen's density.
    InsertColumn(1, "", LVCFMT_RIGHT, ScaleToWindow(m_hWnd, 90), 1);
    InsertColumn(2, "", LVCFMT_LEFT, ScaleToWindow(m_hWnd, 198), 2);
    SendMessage(LVM_DELETECOLUMN, 0);
    SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    SetSortColumn(0, false);
}

bool CInfoListCtrl::Refill(const CDateTime& now)
{
    DeleteAllItems();
    m_rows.clear();
    if (m_pTermine) {
        for (size_t i = 0; i < m_pTermine->GetSize(); ++i) {
            const CTermin& termin = (*m_pTermine)[i];
            m_rows.push_back(CInfoRow{termin.m_dtTarget - now,
                                      PrepositionText(termin.m_nPreposition) + termin.m_strDescription});
        }
    }
    for (size_t i = 0; i < m_rows.size(); ++i)
        InsertItemData(static_cast<LPARAM>(i));
    Sort(-1);
    return true;
}

int CInfoListCtrl::CompareItems(LPARAM a, LPARAM b, int column)
{
    const CInfoRow& first = m_rows.at(static_cast<size_t>(a));
    const CInfoRow& second = m_rows.at(static_cast<size_t>(b));
    int result = 0;
    if (column == 0) {
        const double x = first.remaining.GetTotalDays();
        const double y = second.remaining.GetTotalDays();
        result = x > y ? 1 : x < y ? -1 : 0;
    } else if (column == 1) {
        const int text = _mbsicmp(reinterpret_cast<const unsigned char*>(first.text.c_str()),
                                  reinterpret_cast<const unsigned char*>(second.text.c_str()));
        result = text < 0 ? -1 : text > 0 ? 1 : 0;
    }
    if (result != 0 || column == m_nTieColumn)
        return result;
    // A tie: the next column decides, round the columns until the chain meets its start.
    const bool startsChain = m_nTieColumn == -1;
    if (startsChain)
        m_nTieColumn = column;
    const int columns = GetColumnCount();
    const int next = column + 1 < columns ? column + 1 : 0;
    result = CompareItems(a, b, next);
    if (startsChain)
        m_nTieColumn = -1;
    return result;
}

std::string CInfoListCtrl::GetCellText(LPARAM data, int column)
{
    if (data < 0 || static_cast<size_t>(data) >= m_rows.size())
        return {};
    const CInfoRow& row = m_rows[static_cast<size_t>(data)];
    if (column == 0) {
        // Compact style; a time at or below zero shows as 0T 00:00:00, as in the timer window.
        int32_t days = 0;
        const CTermin unused(CDateTime(), false, 0, std::string());
        return ComposeRemainingText(row.remaining, unused, kDisplayCompact, days);
    }
    return column == 1 ? row.text : std::string();
}
