// List-view base whose rows carry item data and produce their cell texts on demand; a click on
// a column heading sorts by it, a second click on the same heading reverses the direction.
#pragma once

#include "platform/ListCtrl.h"

#include <string>

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

    int GetSortColumn() const { return m_nSortColumn; }
    bool IsDescending() const { return m_bDescending; }

protected:
    virtual int CompareItems(LPARAM a, LPARAM b, int column) = 0;
    virtual std::string GetCellText(LPARAM data, int column) = 0;
    virtual bool AcceptItemData(LPARAM) { return true; }
    virtual void FreeItemData(LPARAM) {}

    bool OnNotifyReflect(NMHDR* header, LRESULT& result) override;

    bool m_bReleaseItemData = true;

private:
    void SortRows();

    int m_nSortColumn = 0;
    bool m_bDescending = false;
};

}  // namespace orv::Windows
