// Sortable list: stable comparison with its cyclic tie-break, callback texts cut to the buffer,
// and the rows' order kept alongside the control so a sort reads no row back; in a virtual list
// that order is the only one, and the user's selection is carried along with the rows.
#include "platform/SortListCtrl.h"

#include "platform/CodePage.h"
#include "platform/Dpi.h"
#include "platform/ResourceText.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <unordered_map>

namespace orv::Windows {

int CSortListCtrl::InsertColumnById(int column, int stringId, int format, int width, int subItem) const
{
    return InsertColumn(column, LoadResourceText(stringId), format, width, subItem);
}

int CSortListCtrl::InsertItemData(LPARAM data, int position)
{
    if (!AcceptItemData(data))
        return -1;
    if (IsVirtual())
        return InsertVirtualRow(data, position);
    const int row = InsertCallbackItem(data, position);
    if (row >= 0 && m_bRowsKnown && static_cast<size_t>(row) <= m_rows.size())
        m_rows.insert(m_rows.begin() + row, data);
    else if (row >= 0)
        m_bRowsKnown = false;
    return row;
}

int CSortListCtrl::InsertVirtualRow(LPARAM data, int position)
{
    const std::vector<MarkedRow> marked = MarkedRows();
    const size_t row = position < 0 ? m_rows.size() : std::min(static_cast<size_t>(position), m_rows.size());
    m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(row), data);
    SendMessage(LVM_SETITEMCOUNT, m_rows.size(), LVSICF_NOSCROLL);
    RestoreMarkedRows(marked);
    Invalidate();
    return static_cast<int>(row);
}

int CSortListCtrl::FindVirtualRow(int start, UINT flags, LPARAM data, const std::string& text)
{
    const size_t count = m_rows.size();
    const size_t first = start < 0 || static_cast<size_t>(start) >= count ? 0 : static_cast<size_t>(start);
    for (size_t row = first; row < first + count; ++row) {
        if (row >= count && !(flags & LVFI_WRAP))
            break;
        const LPARAM rowData = m_rows[row % count];
        bool found = false;
        if (flags & LVFI_PARAM) {
            found = rowData == data;
        } else if (flags & (LVFI_STRING | LVFI_PARTIAL)) {
            std::string cell = GetCellText(rowData, 0);
            if (flags & LVFI_PARTIAL)
                cell.resize(std::min(cell.size(), text.size()));
            found = ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, cell.c_str(), -1, text.c_str(), -1) ==
                    CSTR_EQUAL;
        }
        if (found)
            return static_cast<int>(row % count);
    }
    return -1;
}

LPARAM CSortListCtrl::GetItemData(int row) const
{
    if (!IsVirtual())
        return CListCtrl::GetItemData(row);
    return row >= 0 && static_cast<size_t>(row) < m_rows.size() ? m_rows[static_cast<size_t>(row)] : 0;
}

bool CSortListCtrl::IsVirtual() const
{
    return (::GetWindowLongA(m_hWnd, GWL_STYLE) & LVS_OWNERDATA) != 0;
}

std::vector<CSortListCtrl::MarkedRow> CSortListCtrl::MarkedRows() const
{
    // Asked by what the control knows of, not row by row: thousands of rows, one or two marked.
    std::map<int, MarkedRow> byRow;
    const auto mark = [this, &byRow](int row, UINT state, bool selectionMark) {
        if (row < 0 || static_cast<size_t>(row) >= m_rows.size())
            return;
        MarkedRow& marked = byRow.try_emplace(row, MarkedRow{m_rows[static_cast<size_t>(row)], 0, false}).first->second;
        marked.state |= state;
        marked.selectionMark |= selectionMark;
    };
    for (int row = GetNextItem(-1, LVNI_SELECTED); row >= 0; row = GetNextItem(row, LVNI_SELECTED))
        mark(row, LVIS_SELECTED, false);
    mark(GetNextItem(-1, LVNI_FOCUSED), LVIS_FOCUSED, false);
    mark(static_cast<int>(SendMessage(LVM_GETSELECTIONMARK)), 0, true);
    std::vector<MarkedRow> marked;
    for (const auto& entry : byRow)
        marked.push_back(entry.second);
    return marked;
}

void CSortListCtrl::RestoreMarkedRows(const std::vector<MarkedRow>& marked)
{
    if (marked.empty())
        return;
    std::unordered_map<LPARAM, const MarkedRow*> byData;
    for (const MarkedRow& row : marked)
        byData.emplace(row.data, &row);
    SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (size_t row = 0; row < m_rows.size(); ++row) {
        const auto found = byData.find(m_rows[row]);
        if (found == byData.end())
            continue;
        if (found->second->state != 0)
            SetItemState(static_cast<int>(row), found->second->state, LVIS_SELECTED | LVIS_FOCUSED);
        if (found->second->selectionMark)
            SendMessage(LVM_SETSELECTIONMARK, 0, static_cast<LPARAM>(row));
    }
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
    if (IsVirtual())
        return m_rows;
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
    if (IsVirtual()) {
        const std::vector<MarkedRow> marked = MarkedRows();
        SortInPlace(m_rows);
        RestoreMarkedRows(marked);
        Invalidate();
    } else {
        std::vector<LPARAM> order = DisplayedRows();
        SortInPlace(order);
        ArrangeItems(order);
        m_rows = std::move(order);
    }
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
    if (IsVirtual()) {
        // The whole fill: the control asks for what it shows.
        m_rows = std::move(rows);
        SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(m_rows.size()));
    } else {
        SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(rows.size()));
        m_bRowsKnown = AppendCallbackItems(rows);
        m_rows = m_bRowsKnown ? std::move(rows) : std::vector<LPARAM>();
    }
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
        LPARAM data = info->item.lParam;
        if (IsVirtual()) {
            // The control keeps no item data: the row's place says which record it shows.
            const auto row = static_cast<size_t>(info->item.iItem);
            if (info->item.iItem < 0 || row >= m_rows.size()) {
                result = 0;
                return true;
            }
            data = m_rows[row];
        }
        if ((info->item.mask & LVIF_TEXT) && info->item.pszText && info->item.cchTextMax > 0) {
            const std::string text = GetCellText(data, info->item.iSubItem);
            const size_t room = static_cast<size_t>(info->item.cchTextMax) - 1;
            const size_t length = std::min(text.size(), room);
            std::memcpy(info->item.pszText, text.data(), length);
            info->item.pszText[length] = '\0';
        }
        result = 0;
        return true;
    }
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW:
        // Typing in a virtual list: without an answer here it would find nothing.
        if (!IsVirtual())
            break;
        if (header->code == LVN_ODFINDITEMA) {
            const auto* find = reinterpret_cast<NMLVFINDITEMA*>(header);
            result = FindVirtualRow(find->iStart, find->lvfi.flags, find->lvfi.lParam,
                                    find->lvfi.psz ? find->lvfi.psz : "");
        } else {
            const auto* find = reinterpret_cast<NMLVFINDITEMW*>(header);
            result = FindVirtualRow(find->iStart, find->lvfi.flags, find->lvfi.lParam,
                                    find->lvfi.psz ? Narrow(find->lvfi.psz) : std::string());
        }
        return true;
    case LVN_DELETEALLITEMS:
        // Data with nothing to release needs no notification per row; a virtual list sends none.
        if (!m_bReleaseItemData || IsVirtual()) {
            if (m_bReleaseItemData)
                for (const LPARAM data : m_rows)
                    FreeItemData(data);
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
        if (IsVirtual()) {
            // The notification carries no item data: the record here says whose row it was.
            if (row->iItem < 0 || index >= m_rows.size())
                return false;
            const LPARAM data = m_rows[index];
            m_rows.erase(m_rows.begin() + row->iItem);
            if (m_bReleaseItemData)
                FreeItemData(data);
            result = 0;
            return true;
        }
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
