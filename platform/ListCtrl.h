// List view in report mode: columns, rows with item data and callback texts, selection, sorting.
#pragma once

#include "platform/Wnd.h"

#include <commctrl.h>

#include <string>
#include <vector>

class CListCtrl : public CWnd {
public:
    int InsertColumn(int column, const std::string& heading, int format, int width, int subItem = -1) const;
    int GetColumnCount() const;
    void SetExtendedStyle(DWORD style) const { SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style); }

    // A row whose texts are asked for through LVN_GETDISPINFO; `position` -1 appends.
    int InsertCallbackItem(LPARAM data, int position = -1) const;
    // The same for many rows at the end, in the order given; false when a row failed or the
    // control put one elsewhere (a list that sorts itself).
    bool AppendCallbackItems(const std::vector<LPARAM>& data);
    bool DeleteAllItems() const { return SendMessage(LVM_DELETEALLITEMS) != 0; }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    LPARAM GetItemData(int row) const;

    int GetSelectedCount() const { return static_cast<int>(SendMessage(LVM_GETSELECTEDCOUNT)); }
    // The next row after `row` (-1: from the start) in display order with all `flags` (LVNI_*).
    int GetNextItem(int row, UINT flags) const;
    void SetItemState(int row, UINT state, UINT mask) const;
    void SelectItem(int row, bool selected) const { SetItemState(row, selected ? LVIS_SELECTED : 0, LVIS_SELECTED); }
    bool EnsureVisible(int row, bool partialOk) const;
    std::string GetItemText(int row, int column) const;

    // Puts the rows in `order`, which holds every row's item data once.
    void ArrangeItems(const std::vector<LPARAM>& order) const;
};
