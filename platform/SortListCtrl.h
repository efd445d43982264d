// List-view base whose rows carry item data and produce their cell texts on demand; a click on
// a column heading sorts by it, a second click on the same heading reverses the direction. A
// virtual list (LVS_OWNERDATA) holds no rows: the item data are kept here alone.
#pragma once

#include "platform/ListCtrl.h"

#include <string>
#include <vector>

namespace orv::Windows {

class CSortListCtrl : public CListCtrl {
public:
    CSortListCtrl() = default;

    // The heading from the string table.
    int InsertColumnById(int column, int stringId, int format, int width, int subItem = -1) const;
    // -1 when AcceptItemData refuses; otherwise the new row. `position` -1 appends.
    int InsertItemData(LPARAM data, int position = -1);
    // Clamped to the existing columns; nothing is sorted.
    void SetSortColumn(int column, bool descending);
    // -1 keeps column and direction; another column sorts it ascending.
    void Sort(int column = -1);

    // In a virtual list from the rows kept here, else from the control; 0 for no such row.
    LPARAM GetItemData(int row) const;

protected:
    // The order of two rows by `column` alone, negative, 0 or positive; 0 by default.
    virtual int CompareColumn(LPARAM a, LPARAM b, int column);
    // The order the sort uses: by `column`, ties by the following columns in cyclic order until
    // the first comes round again.
    virtual int CompareItems(LPARAM a, LPARAM b, int column);
    // A number that orders rows by `column` exactly as CompareColumn does, for columns that have
    // one: a sort then compares numbers and asks CompareItems only about ties. False: none.
    virtual bool GetColumnKey(LPARAM, int, double&) { return false; }
    virtual std::string GetCellText(LPARAM data, int column) = 0;
    virtual bool AcceptItemData(LPARAM) { return true; }
    virtual void FreeItemData(LPARAM) {}

    bool OnNotifyReflect(NMHDR* header, LRESULT& result) override;

    // Replaces all rows with `rows` (item data in their natural order), put in the order the
    // present column and direction give, ties in the given order; one repaint at the end.
    void FillSorted(std::vector<LPARAM> rows);
    // `pixels` at 96 dots per inch, scaled to the density of the list's screen.
    int ScaledWidth(int pixels) const;

    bool m_bReleaseItemData = true;

private:
    // A row the user marked, found again by its item data after the rows moved.
    struct MarkedRow {
        LPARAM data;
        UINT state;  // LVIS_SELECTED and LVIS_FOCUSED
        bool selectionMark;
    };

    bool IsVirtual() const;
    // A virtual list keeps selection and focus by index: they are taken before the rows move
    // and put back on the same rows afterwards.
    std::vector<MarkedRow> MarkedRows() const;
    void RestoreMarkedRows(const std::vector<MarkedRow>& marked);
    int InsertVirtualRow(LPARAM data, int position);
    // What the control's own search would find by the first column's texts (LVFI_* `flags`);
    // -1 for none. A virtual list leaves the search to its owner.
    int FindVirtualRow(int start, UINT flags, LPARAM data, const std::string& text);
    // Stable: rows that compare equal keep their present order.
    void SortRows();
    void SortInPlace(std::vector<LPARAM>& rows);
    // SortInPlace by the column's keys; false, with `rows` untouched, when it has none.
    bool SortByKeys(std::vector<LPARAM>& rows, int column, bool descending, int columns);
    // The rows' item data in display order, read from the control only when the record kept
    // here has lost track (rows inserted or deleted behind our back).
    const std::vector<LPARAM>& DisplayedRows();

    int m_nSortColumn = 0;
    bool m_bDescending = false;
    int m_nTieColumns = 0;  // columns of the tie-break, counted when a sort starts
    std::vector<LPARAM> m_rows;
    bool m_bRowsKnown = true;
};

}  // namespace orv::Windows
