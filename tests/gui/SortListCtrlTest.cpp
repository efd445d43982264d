// The dialog bases and the sortable list on real windows: sort column and direction, callback
// texts cut to the caller's buffer, item data refused and released, the selection of a virtual
// list kept on its rows, and the minimum size of a sizing dialog from every edge.
#include "TermineGuiSupport.h"

#include "res/resource.h"
#include "sheet/TerminImportDlg.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

using orv::Windows::CSortListCtrl;
using Texts = std::vector<std::string>;

namespace {

// A list of numbers: only non-negative ones are accepted, released ones are recorded.
class CNumberList : public CSortListCtrl {
public:
    std::vector<LPARAM> released;

protected:
    int CompareItems(LPARAM a, LPARAM b, int) override { return a < b ? -1 : a > b ? 1 : 0; }
    std::string GetCellText(LPARAM data, int column) override
    {
        return std::to_string(data) + "/" + std::to_string(column);
    }
    bool AcceptItemData(LPARAM data) override { return data >= 0; }
    void FreeItemData(LPARAM data) override { released.push_back(data); }
};

using CTerminListHost = CListInTemplate<CTerminListCtrl, IDD_TERMIN_IMPORT>;

// A list of one column "Zahl", in the import dialog's template unless another is given.
template <class ListType, UINT kTemplate = IDD_TERMIN_IMPORT>
class CNumberColumnHost : public CListInTemplate<ListType, kTemplate> {
public:
    using CListInTemplate<ListType, kTemplate>::CListInTemplate;

protected:
    BOOL OnInitDialog() override
    {
        CListInTemplate<ListType, kTemplate>::OnInitDialog();
        this->list.InsertColumn(0, "Zahl", LVCFMT_LEFT, 80);
        return TRUE;
    }
};
using CNumberListHost = CNumberColumnHost<CNumberList>;
// The same list made virtual: the About dialog's template has an owner-data list.
using CVirtualNumberListHost = CNumberColumnHost<CNumberList, IDD_INFO>;

// Numbers compared by their tens alone, so that rows tie.
class CTensList : public CSortListCtrl {
protected:
    int CompareColumn(LPARAM a, LPARAM b, int) override { return static_cast<int>(a / 10 - b / 10); }
    std::string GetCellText(LPARAM data, int) override { return std::to_string(data); }
};

using CTensListHost = CNumberColumnHost<CTensList>;

// Two columns, the tens and the ones; with keys the tens are also given as numbers, except for
// 99, whose key is no number, so a sort with it in the rows must go by the comparison alone.
template <bool kKeyed>
class CDigitsList : public CSortListCtrl {
public:
    void Fill(std::vector<LPARAM> rows) { FillSorted(std::move(rows)); }

protected:
    int CompareColumn(LPARAM a, LPARAM b, int column) override
    {
        return column == 0 ? static_cast<int>(a / 10 - b / 10) : static_cast<int>(a % 10 - b % 10);
    }
    bool GetColumnKey(LPARAM data, int column, double& key) override
    {
        if (!kKeyed || column != 0)
            return false;
        key = data == 99 ? std::nan("") : static_cast<double>(data / 10);
        return true;
    }
    std::string GetCellText(LPARAM data, int) override { return std::to_string(data); }
};

template <bool kKeyed>
class CDigitsListHost : public CListInTemplate<CDigitsList<kKeyed>, IDD_TERMIN_IMPORT> {
public:
    using CListInTemplate<CDigitsList<kKeyed>, IDD_TERMIN_IMPORT>::CListInTemplate;

protected:
    BOOL OnInitDialog() override
    {
        CListInTemplate<CDigitsList<kKeyed>, IDD_TERMIN_IMPORT>::OnInitDialog();
        this->list.InsertColumn(0, "Zehner", LVCFMT_LEFT, 80);
        this->list.InsertColumn(1, "Einer", LVCFMT_LEFT, 80);
        return TRUE;
    }
};

// The import dialog run modeless, so its window can be pushed around.
class CImportDlgProbe : public CTerminImportDlg {
public:
    CImportDlgProbe(orv::Windows::CAppServices& services, HWND owner) : CTerminImportDlg(services, owner) { Create(owner); }
    ~CImportDlgProbe() override { ::DestroyWindow(m_hWnd); }
};

}  // namespace

class SortListCtrlTest : public TermineGuiTest {
protected:
    void Fill(CTerminListHost& host)
    {
        for (const char* text : {"01.01.2022;1;1;Weihnachten", "01.01.2021;0;0;Mai", "01.01.2023;1;2;Abend"})
            termine.Add(TerminOf(text));
        host.list.InitList(&termine, app.Host());
        host.list.Refill();
    }
    CTerminList termine;
};

TEST_F(SortListCtrlTest, SortColumnIsClampedAndKeptUntilAnotherColumnIsChosen)
{
    CTerminListHost host(mainWindow.Handle());
    ASSERT_TRUE(host.Create(mainWindow.Handle()));
    Fill(host);
    // The order shows column and direction: by description descending, by date ascending.
    const Texts byDescriptionDown{"bis zum Weihnachten", "bis Mai", "bis zur Abend"};
    const Texts byDateUp{"bis Mai", "bis zum Weihnachten", "bis zur Abend"};
    host.list.SetSortColumn(7, true);
    host.list.Sort(-1);
    EXPECT_EQ(ColumnTexts(host.List(), 2), byDescriptionDown);
    host.list.SetSortColumn(-3, false);
    host.list.Sort(-1);
    EXPECT_EQ(ColumnTexts(host.List(), 2), byDateUp);

    host.list.SetSortColumn(2, true);
    host.list.Sort(-1);
    host.list.Sort(-1);
    EXPECT_EQ(ColumnTexts(host.List(), 2), byDescriptionDown);

    host.list.Sort(0);
    EXPECT_EQ(ColumnTexts(host.List(), 2), byDateUp);

    ClickHeading(host.List(), 0);
    EXPECT_EQ(ColumnTexts(host.List(), 2), (Texts{"bis zur Abend", "bis zum Weihnachten", "bis Mai"}));
    // Yearly ones last, their tie by description.
    ClickHeading(host.List(), 1);
    EXPECT_EQ(ColumnTexts(host.List(), 2), (Texts{"bis Mai", "bis zur Abend", "bis zum Weihnachten"}));
}

TEST_F(SortListCtrlTest, ACellTextLongerThanTheBufferIsCutNeverWrittenPast)
{
    CTerminListHost host(mainWindow.Handle());
    ASSERT_TRUE(host.Create(mainWindow.Handle()));
    Fill(host);
    char buffer[16];
    memset(buffer, '#', sizeof(buffer));
    LVITEMA item{};
    item.iSubItem = 2;
    item.pszText = buffer;
    item.cchTextMax = 6;
    SendMessageA(host.List(), LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::string(item.pszText), "bis M");
    EXPECT_EQ(std::string(buffer + 6, 10), std::string(10, '#'));
}

TEST_F(SortListCtrlTest, RefusedItemDataIsNotInsertedAndDeletedRowsReleaseTheirs)
{
    CNumberListHost host(mainWindow.Handle());
    ASSERT_TRUE(host.Create(mainWindow.Handle()));
    EXPECT_EQ(host.list.InsertItemData(-5), -1);
    EXPECT_EQ(host.list.InsertItemData(30), 0);
    EXPECT_EQ(host.list.InsertItemData(10), 1);
    EXPECT_EQ(host.list.InsertItemData(20, 0), 0);
    EXPECT_EQ(ColumnTexts(host.List(), 0), (Texts{"20/0", "30/0", "10/0"}));
    host.list.Sort(-1);
    EXPECT_EQ(ColumnTexts(host.List(), 0), (Texts{"10/0", "20/0", "30/0"}));
    SendMessageA(host.List(), LVM_DELETEITEM, 1, 0);
    EXPECT_EQ(host.list.released, (std::vector<LPARAM>{20}));
    host.list.DeleteAllItems();
    std::sort(host.list.released.begin() + 1, host.list.released.end());
    EXPECT_EQ(host.list.released, (std::vector<LPARAM>{20, 10, 30}));
}

TEST_F(SortListCtrlTest, AVirtualListKeepsItsRowsHereAndTheSelectionOnTheSameRowWhenTheyMove)
{
    CVirtualNumberListHost host(mainWindow.Handle());
    ASSERT_TRUE(host.Create(mainWindow.Handle()));
    ASSERT_TRUE(GetWindowLongA(host.List(), GWL_STYLE) & LVS_OWNERDATA);
    const auto selected = [&] {
        const int row = static_cast<int>(SendMessageA(host.List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        const int focused = static_cast<int>(SendMessageA(host.List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
        EXPECT_EQ(focused, row);
        return row < 0 ? LPARAM(-1) : host.list.GetItemData(row);
    };
    EXPECT_EQ(host.list.InsertItemData(-5), -1);
    EXPECT_EQ(host.list.InsertItemData(30), 0);
    EXPECT_EQ(host.list.InsertItemData(10), 1);
    EXPECT_EQ(host.list.InsertItemData(20, 0), 0);
    EXPECT_EQ(ColumnTexts(host.List(), 0), (Texts{"20/0", "30/0", "10/0"}));
    EXPECT_EQ(host.list.GetItemData(1), 30);
    EXPECT_EQ(host.list.GetItemData(3), 0);

    host.list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    SendMessageA(host.List(), LVM_SETSELECTIONMARK, 0, 1);
    EXPECT_EQ(host.list.InsertItemData(40, 0), 0);
    EXPECT_EQ(selected(), 30);
    host.list.Sort(-1);
    EXPECT_EQ(ColumnTexts(host.List(), 0), (Texts{"10/0", "20/0", "30/0", "40/0"}));
    EXPECT_EQ(selected(), 30);
    EXPECT_EQ(SendMessageA(host.List(), LVM_GETSELECTIONMARK, 0, 0), 2);
    host.list.SetSortColumn(0, true);
    host.list.Sort(-1);
    EXPECT_EQ(ColumnTexts(host.List(), 0), (Texts{"40/0", "30/0", "20/0", "10/0"}));
    EXPECT_EQ(selected(), 30);

    // Typing in the list: the control asks its owner which row's first text starts so.
    struct Find {
        int start;
        UINT flags;
        const char* text;
        int expected;
    };
    const Find finds[] = {
        {0, LVFI_PARTIAL | LVFI_WRAP, "2", 2},
        {0, LVFI_STRING, "10/0", 3},
        {0, LVFI_STRING, "10", -1},
        {3, LVFI_PARTIAL | LVFI_WRAP, "4", 0},
        {3, LVFI_PARTIAL, "4", -1},
    };
    for (const Find& find : finds) {
        SCOPED_TRACE(std::string(find.text) + " from " + std::to_string(find.start));
        NMLVFINDITEMA notify{};
        notify.hdr.hwndFrom = host.List();
        notify.hdr.idFrom = IDC_LIST;
        notify.hdr.code = LVN_ODFINDITEMA;
        notify.iStart = find.start;
        notify.lvfi.flags = find.flags;
        notify.lvfi.psz = find.text;
        EXPECT_EQ(SendMessageA(host.Handle(), WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&notify)), find.expected);
    }

    // A row deleted through the control: its data are released and the rows stay in step.
    SendMessageA(host.List(), LVM_DELETEITEM, 0, 0);
    EXPECT_EQ(host.list.released, (std::vector<LPARAM>{40}));
    EXPECT_EQ(ColumnTexts(host.List(), 0), (Texts{"30/0", "20/0", "10/0"}));
    host.list.DeleteAllItems();
    std::sort(host.list.released.begin(), host.list.released.end());
    EXPECT_EQ(host.list.released, (std::vector<LPARAM>{10, 20, 30, 40}));
    EXPECT_EQ(host.list.GetItemCount(), 0);
}

TEST_F(SortListCtrlTest, TiesKeepTheirOrderAlsoWhenRowsChangedBehindTheListsBack)
{
    CTensListHost host(mainWindow.Handle());
    ASSERT_TRUE(host.Create(mainWindow.Handle()));
    for (const LPARAM number : {21, 15, 12, 27, 11})
        host.list.InsertItemData(number);
    host.list.Sort(-1);
    EXPECT_EQ(ColumnTexts(host.List(), 0), (Texts{"15", "12", "11", "21", "27"}));
    host.list.SetSortColumn(0, true);
    host.list.Sort(-1);
    EXPECT_EQ(ColumnTexts(host.List(), 0), (Texts{"21", "27", "15", "12", "11"}));

    // A row deleted and one inserted straight through the control.
    SendMessageA(host.List(), LVM_DELETEITEM, 0, 0);
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = 1;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.lParam = 13;
    SendMessageA(host.List(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    ASSERT_EQ(ColumnTexts(host.List(), 0), (Texts{"27", "13", "15", "12", "11"}));
    host.list.SetSortColumn(0, false);
    host.list.Sort(-1);
    EXPECT_EQ(ColumnTexts(host.List(), 0), (Texts{"13", "15", "12", "11", "27"}));
    // Deleted one by one, then filled anew through the list: still in step.
    host.list.DeleteAllItems();
    for (const LPARAM number : {31, 5, 38, 1})
        host.list.InsertItemData(number);
    host.list.Sort(-1);
    EXPECT_EQ(ColumnTexts(host.List(), 0), (Texts{"5", "1", "31", "38"}));
}

TEST_F(SortListCtrlTest, ASortByKeysGivesTheOrderOfTheComparisonWithItsTieBreak)
{
    struct Case {
        std::vector<LPARAM> rows;
        int column;
        bool descending;
        Texts expected;
    };
    const std::vector<LPARAM> tied{23, 15, 21, 17, 13, 25, 11};
    const Case cases[] = {
        {tied, 0, false, {"11", "13", "15", "17", "21", "23", "25"}},
        {tied, 0, true, {"25", "23", "21", "17", "15", "13", "11"}},
        // Equal ones: the tens decide, in the direction of the sort.
        {{31, 11, 21}, 0, false, {"11", "21", "31"}},
        {{31, 11, 21}, 1, false, {"11", "21", "31"}},
        {{31, 11, 21}, 1, true, {"31", "21", "11"}},
        {{44, 14, 34, 24}, 0, true, {"44", "34", "24", "14"}},
        // No number for 99: the comparison alone, with the same result.
        {{99, 23, 95, 13}, 0, false, {"13", "23", "95", "99"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.column) + (c.descending ? " descending" : " ascending"));
        CDigitsListHost<true> keyed(mainWindow.Handle());
        CDigitsListHost<false> compared(mainWindow.Handle());
        ASSERT_TRUE(keyed.Create(mainWindow.Handle()) && compared.Create(mainWindow.Handle()));
        keyed.list.SetSortColumn(c.column, c.descending);
        compared.list.SetSortColumn(c.column, c.descending);
        keyed.list.Fill(c.rows);
        compared.list.Fill(c.rows);
        EXPECT_EQ(ColumnTexts(keyed.List(), 0), c.expected);
        EXPECT_EQ(ColumnTexts(compared.List(), 0), c.expected);
        // Sorted again from the rows the fill recorded, in the other direction and back.
        keyed.list.SetSortColumn(c.column, !c.descending);
        keyed.list.Sort(-1);
        keyed.list.SetSortColumn(c.column, c.descending);
        keyed.list.Sort(-1);
        EXPECT_EQ(ColumnTexts(keyed.List(), 0), c.expected);
    }
}

TEST_F(SortListCtrlTest, ASizingDialogKeepsItsSizeFromEveryEdgeAndCorner)
{
    CImportDlgProbe dialog(app, mainWindow.Handle());
    RECT start{};
    GetWindowRect(dialog.Handle(), &start);
    const SIZE minimum{start.right - start.left, start.bottom - start.top};

    struct Drag {
        int edge;
        RECT expected;  // from a 10 x 10 rectangle at (500, 500)-(510, 510)
    };
    const LONG w = minimum.cx, h = minimum.cy;
    const Drag drags[] = {
        {WMSZ_LEFT, {510 - w, 500, 510, 510}},
        {WMSZ_RIGHT, {500, 500, 500 + w, 510}},
        {WMSZ_TOP, {500, 510 - h, 510, 510}},
        {WMSZ_BOTTOM, {500, 500, 510, 500 + h}},
        {WMSZ_TOPLEFT, {510 - w, 510 - h, 510, 510}},
        {WMSZ_TOPRIGHT, {500, 510 - h, 500 + w, 510}},
        {WMSZ_BOTTOMLEFT, {510 - w, 500, 510, 500 + h}},
        {WMSZ_BOTTOMRIGHT, {500, 500, 500 + w, 500 + h}},
    };
    for (const Drag& drag : drags) {
        RECT rect{500, 500, 510, 510};
        EXPECT_TRUE(SendMessageA(dialog.Handle(), WM_SIZING, drag.edge, reinterpret_cast<LPARAM>(&rect)));
        EXPECT_TRUE(EqualRect(&rect, &drag.expected)) << "edge " << drag.edge << ": " << rect.left << ","
                                                      << rect.top << "-" << rect.right << "," << rect.bottom;
    }
    RECT large{100, 100, 100 + w + 50, 100 + h + 50};
    const RECT unchanged = large;
    SendMessageA(dialog.Handle(), WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&large));
    EXPECT_TRUE(EqualRect(&large, &unchanged));
}

TEST_F(SortListCtrlTest, TheImportDialogsListGrowsWithItAndItsButtonsFollowTheCorner)
{
    CImportDlgProbe dialog(app, mainWindow.Handle());
    const HWND window = dialog.Handle();
    auto rectOf = [window](int id) {
        RECT rect{};
        GetWindowRect(GetDlgItem(window, id), &rect);
        return rect;
    };
    const RECT listBefore = rectOf(IDC_LIST);
    const RECT okBefore = rectOf(IDOK);
    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + 80, frame.bottom - frame.top + 60,
                 SWP_NOMOVE | SWP_NOZORDER);
    const RECT listAfter = rectOf(IDC_LIST);
    const RECT okAfter = rectOf(IDOK);
    EXPECT_EQ(listAfter.right - listAfter.left, listBefore.right - listBefore.left + 80);
    EXPECT_EQ(listAfter.bottom - listAfter.top, listBefore.bottom - listBefore.top + 60);
    EXPECT_EQ(okAfter.left, okBefore.left + 80);
    EXPECT_EQ(okAfter.top, okBefore.top + 60);
    EXPECT_EQ(okAfter.right - okAfter.left, okBefore.right - okBefore.left);
}
