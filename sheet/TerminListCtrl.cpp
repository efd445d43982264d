// Appointment list: cell texts, the comparison of each column, selections.
#include "sheet/TerminListCtrl.h"

#include "platform/ResourceText.h"
#include "res/resource.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

// Column widths in pixels at 96 dots per inch.
constexpr int kWidthTermin = 110;
constexpr int kWidthYearly = 35;
constexpr int kWidthDescription = 185;

}  // namespace

CTerminListCtrl::CTerminListCtrl() : m_leadBytes(AnsiLeadBytes())
{
    // Item data are positions, nothing to release.
    m_bReleaseItemData = false;
}

int CTerminListCtrl::WidthFor(int pixels, const std::string& widest) const
{
    // Never narrower than its widest text needs in the list's font, with the cell's margins.
    constexpr int kCellMargins = 14;
    const int needed = static_cast<int>(SendMessage(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(widest.c_str())));
    return std::max(ScaledWidth(pixels), needed + ScaledWidth(kCellMargins));
}

void CTerminListCtrl::InitList(CTerminList* list, const CCoreHost& host)
{
    m_pTermine = list;
    m_pHost = &host;
    m_strDateFormat = LoadResourceText(IDS_DUE_DATE_FORMAT);
    const std::string widestDate = CDateTime(2000, 12, 28, 20, 58, 58).Format(m_strDateFormat.c_str());
    InsertColumnById(0, IDS_COLUMN_TERMIN, LVCFMT_LEFT, WidthFor(kWidthTermin, widestDate), 0);
    InsertColumnById(1, IDS_COLUMN_YEARLY, LVCFMT_CENTER,
                     WidthFor(kWidthYearly, LoadResourceText(IDS_COLUMN_YEARLY)), 1);
    InsertColumnById(2, IDS_COLUMN_DESCRIPTION, LVCFMT_LEFT, ScaledWidth(kWidthDescription), 2);
    SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    SetSortColumn(0, false);
}

bool CTerminListCtrl::Refill()
{
    const size_t count = m_pTermine ? m_pTermine->GetSize() : 0;
    std::vector<LPARAM> positions(count);
    for (size_t position = 0; position < count; ++position)
        positions[position] = static_cast<LPARAM>(position);
    FillSorted(std::move(positions));
    return true;
}

int CTerminListCtrl::GetFirstSelected() const
{
    const int row = GetNextItem(-1, LVNI_SELECTED);
    return row < 0 ? -1 : static_cast<int>(GetItemData(row));
}

void CTerminListCtrl::GetSelectedPositions(CIndexArray& positions) const
{
    positions.RemoveAll();
    for (int row = GetNextItem(-1, LVNI_SELECTED); row >= 0; row = GetNextItem(row, LVNI_SELECTED))
        positions.Add(static_cast<int32_t>(GetItemData(row)));
}

void CTerminListCtrl::GetUnselectedPositions(CIndexArray& positions) const
{
    positions.RemoveAll();
    const int count = GetItemCount();
    for (int row = 0; row < count; ++row)
        if (!(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED))
            positions.Add(static_cast<int32_t>(GetItemData(row)));
}

const CTermin* CTerminListCtrl::TerminAt(LPARAM data) const
{
    if (!m_pTermine || data < 0 || static_cast<size_t>(data) >= m_pTermine->GetSize())
        return nullptr;
    return &(*m_pTermine)[static_cast<size_t>(data)];
}

std::string CTerminListCtrl::GetCellText(LPARAM data, int column)
{
    const CTermin* found = TerminAt(data);
    if (!found)
        return {};
    const CTermin& termin = *found;
    switch (column) {
    case 0:
        return termin.m_dtTarget.Format(m_strDateFormat.c_str());
    case 1:
        return termin.m_bYearly ? "X" : "";
    case 2:
        // A row names an appointment only once InitList has set the host as well.
        return PrepositionText(termin.m_nPreposition, *m_pHost) + termin.m_strDescription;
    }
    return {};
}

int CTerminListCtrl::CompareColumn(const CTermin& a, const CTermin& b, int column) const
{
    switch (column) {
    case 0:
        return a.m_dtTarget.Compare(b.m_dtTarget);
    case 1:
        return (a.m_bYearly ? 1 : 0) - (b.m_bYearly ? 1 : 0);
    default:
        return CompareAnsiText(a.m_strDescription, b.m_strDescription, m_leadBytes);
    }
}

int CTerminListCtrl::CompareColumn(LPARAM a, LPARAM b, int column)
{
    const CTermin* first = TerminAt(a);
    const CTermin* second = TerminAt(b);
    return first && second ? CompareColumn(*first, *second, column) : 0;
}

bool CTerminListCtrl::GetColumnKey(LPARAM data, int column, double& key)
{
    // A row outside the list compares equal to every other; no number says that.
    const CTermin* termin = TerminAt(data);
    if (!termin || column > 1)
        return false;
    key = column == 0 ? termin->m_dtTarget.GetLinearDays() : termin->m_bYearly ? 1.0 : 0.0;
    return true;
}
