// Sortable list: comparison in the chosen direction, callback texts cut to the buffer.
#include "platform/SortListCtrl.h"

#include "platform/ResourceText.h"

#include <algorithm>
#include <cstring>

namespace orv::Windows {

int CSortListCtrl::InsertColumnById(int column, int stringId, int format, int width, int subItem) const
{
    return InsertColumn(column, LoadResourceText(stringId), format, width, subItem);
}

int CSortListCtrl::InsertItemData(LPARAM data, int position)
{
    if (!AcceptItemData(data))
        return -1;
    return InsertCallbackItem(data, position);
}

void CSortListCtrl::SetSortColumn(int column, bool descending)
{
    const int last = GetColumnCount() - 1;
    m_nSortColumn = std::max(0, std::min(column, last));
    m_bDescending = descending;
}

void CSortListCtrl::Sort(int column)
{
    if (column != -1 && column != m_nSortColumn) {
        m_nSortColumn = column;
        m_bDescending = false;
    }
    if (GetItemCount() < 2)
        return;
    SortRows();
}

void CSortListCtrl::SortRows()
{
    SortItems([this](LPARAM a, LPARAM b) {
        return m_bDescending ? CompareItems(b, a, m_nSortColumn) : CompareItems(a, b, m_nSortColumn);
    });
    const int selected = GetNextItem(-1, LVNI_SELECTED);
    if (selected >= 0)
        EnsureVisible(selected, false);
}

bool CSortListCtrl::OnNotifyReflect(NMHDR* header, LRESULT& result)
{
    switch (header->code) {
    case LVN_COLUMNCLICK: {
        const int column = reinterpret_cast<NMLISTVIEW*>(header)->iSubItem;
        if (column == m_nSortColumn)
            m_bDescending = !m_bDescending;
        else {
            m_nSortColumn = column;
            m_bDescending = false;
        }
        SortRows();
        result = 0;
        return true;
    }
    case LVN_GETDISPINFOA: {
        auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
        if ((info->item.mask & LVIF_TEXT) && info->item.pszText && info->item.cchTextMax > 0) {
            const std::string text = GetCellText(info->item.lParam, info->item.iSubItem);
            const size_t room = static_cast<size_t>(info->item.cchTextMax) - 1;
            const size_t length = std::min(text.size(), room);
            std::memcpy(info->item.pszText, text.data(), length);
            info->item.pszText[length] = '\0';
        }
        result = 0;
        return true;
    }
    case LVN_DELETEITEM: {
        if (!m_bReleaseItemData)
            return false;  // the platform's own processing; result 0
        // The row is gone from the control once this returns; its data is released now.
        FreeItemData(reinterpret_cast<NMLISTVIEW*>(header)->lParam);
        result = 0;
        return true;
    }
    }
    return CListCtrl::OnNotifyReflect(header, result);
}

}  // namespace orv::Windows
