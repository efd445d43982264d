// List view wrapper.
#include "platform/ListCtrl.h"

#include <climits>
#include <unordered_map>

int CListCtrl::InsertColumn(int column, const std::string& heading, int format, int width, int subItem) const
{
    LVCOLUMNA info{};
    info.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | (subItem >= 0 ? LVCF_SUBITEM : 0);
    info.fmt = format;
    info.cx = width;
    info.pszText = const_cast<char*>(heading.c_str());
    info.iSubItem = subItem;
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
                                        reinterpret_cast<LPARAM>(&info)));
}

int CListCtrl::GetColumnCount() const
{
    const HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    return header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int CListCtrl::InsertCallbackItem(LPARAM data, int position) const
{
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = position < 0 ? INT_MAX : position;  // the control appends past its last row
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.lParam = data;
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool CListCtrl::AppendCallbackItems(const std::vector<LPARAM>& data)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.iItem = GetItemCount();
    bool inOrder = true;
    for (const LPARAM value : data) {
        item.lParam = value;
        // An attached control's own procedure directly: our handling adds nothing to an insert,
        // and for thousands of rows the way through it costs a good part of the control's work.
        const auto row = static_cast<int>(IsAttached() ? Default(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item))
                                                       : SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        inOrder &= row == item.iItem;
        if (row >= 0)
            ++item.iItem;
    }
    return inOrder;
}

LPARAM CListCtrl::GetItemData(int row) const
{
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    return SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? item.lParam : 0;
}

int CListCtrl::GetNextItem(int row, UINT flags) const
{
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(row), MAKELPARAM(flags, 0)));
}

void CListCtrl::SetItemState(int row, UINT state, UINT mask) const
{
    LVITEMA item{};
    item.stateMask = mask;
    item.state = state;
    SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

bool CListCtrl::EnsureVisible(int row, bool partialOk) const
{
    return SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), partialOk) != 0;
}

std::string CListCtrl::GetItemText(int row, int column) const
{
    char text[1024] = "";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

namespace {

// Ranks by item data; the control's sort compares them and nothing else.
int CALLBACK CompareRanks(LPARAM a, LPARAM b, LPARAM context)
{
    const auto& rank = *reinterpret_cast<const std::unordered_map<LPARAM, size_t>*>(context);
    const auto rankA = rank.find(a);
    const auto rankB = rank.find(b);
    if (rankA == rank.end() || rankB == rank.end())
        return 0;
    return rankA->second < rankB->second ? -1 : rankA->second > rankB->second ? 1 : 0;
}

}  // namespace

void CListCtrl::ArrangeItems(const std::vector<LPARAM>& order) const
{
    std::unordered_map<LPARAM, size_t> rank;
    rank.reserve(order.size());
    for (size_t position = 0; position < order.size(); ++position)
        rank.emplace(order[position], position);
    SendMessage(LVM_SORTITEMS, reinterpret_cast<WPARAM>(&rank), reinterpret_cast<LPARAM>(CompareRanks));
}
