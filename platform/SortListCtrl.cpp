// Sortable list: stable comparison with its cyclic tie-break, callback texts cut to the buffer,
// and the rows' order kept alongside the control so a sort reads no row back.
#include "platform/SortListCtrl.h"

#include "platform/Dpi.h"
#include "platform/ResourceText.h"

#include <algorithm>
#include <cmath>
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
    const int row = InsertCallbackItem(data, position);
    if (row >= 0 && m_bRowsKnown && static_cast<size_t>(row) <= m_rows.size())
        m_rows.insert(m_rows.begin() + row, data);
    else if (row >= 0)
        m_bRowsKnown = false;
    return row;
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

int CSortListCtrl::CompareColumn(LPARAM, LPARAM, int)
{
    return 0;
}

int CSortListCtrl::CompareItems(LPARAM a, LPARAM b, int column)
{
    const int columns = m_nTieColumns > 0 ? m_nTieColumns : GetColumnCount();
    for (int step = 0; step < std::max(columns, 1); ++step) {
        const int result = CompareColumn(a, b, columns > 0 ? (column + step) % columns : column);
        if (result != 0)
            return result;
    }
    return 0;
}

void CSortListCtrl::SortInPlace(std::vector<LPARAM>& rows)
{
    m_nTieColumns = GetColumnCount();
    const int column = m_nSortColumn;
    const bool descending = m_bDescending;
    if (!SortByKeys(rows, column, descending, m_nTieColumns)) {
        std::stable_sort(rows.begin(), rows.end(), [this, column, descending](LPARAM a, LPARAM b) {
            return (descending ? CompareItems(b, a, column) : CompareItems(a, b, column)) < 0;
        });
    }
    m_nTieColumns = 0;
}

bool CSortListCtrl::SortByKeys(std::vector<LPARAM>& rows, int column, bool descending, int columns)
{
    std::vector<std::pair<double, LPARAM>> keyed;
    keyed.reserve(rows.size());
    for (const LPARAM data : rows) {
        double key = 0.0;
        // A NaN orders nothing; the comparison decides then.
        if (!GetColumnKey(data, column, key) || std::isnan(key))
            return false;
        keyed.emplace_back(key, data);
    }
    // Equal keys: the tie-break goes on with the next column, as CompareItems would.
    const int next = columns > 0 ? (column + 1) % columns : column;
    std::stable_sort(keyed.begin(), keyed.end(), [this, next, descending](const auto& a, const auto& b) {
        if (a.first != b.first)
            return descending ? b.first < a.first : a.first < b.first;
        return (descending ? CompareItems(b.second, a.second, next) : CompareItems(a.second, b.second, next)) < 0;
    });
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = keyed[i].second;
    return true;
}

const std::vector<LPARAM>& CSortListCtrl::DisplayedRows()
{
    const int count = GetItemCount();
    if (!m_bRowsKnown || m_rows.size() != static_cast<size_t>(count)) {
        m_rows.clear();
        for (int row = 0; row < count; ++row)
            m_rows.push_back(GetItemData(row));
        m_bRowsKnown = true;
    }
    return m_rows;
}

void CSortListCtrl::SortRows()
{
    std::vector<LPARAM> order = DisplayedRows();
    SortInPlace(order);
    ArrangeItems(order);
    m_rows = std::move(order);
    const int selected = GetNextItem(-1, LVNI_SELECTED);
    if (selected >= 0)
        EnsureVisible(selected, false);
}

void CSortListCtrl::FillSorted(std::vector<LPARAM> rows)
{
    // Thousands of rows: one repaint at the end instead of one per row.
    SendMessage(WM_SETREDRAW, FALSE);
    DeleteAllItems();
    m_rows.clear();
    m_bRowsKnown = true;
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](LPARAM data) { return !AcceptItemData(data); }),
               rows.end());
    // The rows go in already in order, which spares the control a sort of rows it would first
    // have to read back.
    SortInPlace(rows);
    SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(rows.size()));
    m_bRowsKnown = AppendCallbackItems(rows);
    m_rows = m_bRowsKnown ? std::move(rows) : std::vector<LPARAM>();
    SendMessage(WM_SETREDRAW, TRUE);
    Invalidate();
}

int CSortListCtrl::ScaledWidth(int pixels) const
{
    return ScaleToWindow(m_hWnd, pixels);
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
    case LVN_DELETEALLITEMS:
        // Data with nothing to release needs no notification per row.
        if (!m_bReleaseItemData) {
            m_rows.clear();
            m_bRowsKnown = true;
            result = TRUE;
            return true;
        }
        m_bRowsKnown = false;  // the rows go one by one; the next sort reads what is left
        return false;
    case LVN_DELETEITEM: {
        const auto* row = reinterpret_cast<NMLISTVIEW*>(header);
        const auto index = static_cast<size_t>(row->iItem);
        if (m_bRowsKnown && row->iItem >= 0 && index < m_rows.size() && m_rows[index] == row->lParam)
            m_rows.erase(m_rows.begin() + row->iItem);
        else
            m_bRowsKnown = false;
        if (!m_bReleaseItemData)
            return false;  // the platform's own processing; result 0
        // The row is gone from the control once this returns; its data is released now.
        FreeItemData(row->lParam);
        result = 0;
        return true;
    }
    }
    return CListCtrl::OnNotifyReflect(header, result);
}

}  // namespace orv::Windows
