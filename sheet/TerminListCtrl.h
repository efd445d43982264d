// The list of appointments on the page "Termine" and in the import dialog: three columns whose
// texts come from the shown CTerminList; each row's item data is its position in that list.
#pragma once

#include "core/IndexArray.h"
#include "core/TerminList.h"
#include "platform/CodePage.h"
#include "platform/SortListCtrl.h"

#include <string>

class CCoreHost;

class CTerminListCtrl : public orv::Windows::CSortListCtrl {
public:
    CTerminListCtrl();

    // Remembers the list and the host of its prepositions (neither owned) and makes the columns
    // "Termin", "jährl.", "Beschreibung".
    void InitList(CTerminList* list, const CCoreHost& host);
    // One row per appointment, in list order, then sorted by the present column and direction.
    bool Refill();

    // The position of the first selected row in display order, -1 when none is selected.
    int GetFirstSelected() const;
    void GetSelectedPositions(CIndexArray& positions) const;
    void GetUnselectedPositions(CIndexArray& positions) const;

protected:
    int CompareColumn(LPARAM a, LPARAM b, int column) override;
    bool GetColumnKey(LPARAM data, int column, double& key) override;
    std::string GetCellText(LPARAM data, int column) override;

private:
    // The appointment a row's item data names, null for a position outside the list.
    const CTermin* TerminAt(LPARAM data) const;
    int CompareColumn(const CTermin& a, const CTermin& b, int column) const;
    // `pixels` at 96 dots per inch, scaled to the screen.
    int WidthFor(int pixels, const std::string& widest) const;

    CTerminList* m_pTermine = nullptr;
    const CCoreHost* m_pHost = nullptr;
    std::string m_strDateFormat;  // "%d.%m.%Y %H:%M:%S"
    CLeadBytes m_leadBytes;       // read once: a sort compares thousands of descriptions
};

