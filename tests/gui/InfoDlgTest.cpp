// The About dialog: version texts from the version resource, the appointments nearest first
// with ties by text, past ones at zero, its list's rows by index and sorts, and its help page.
#include "GuiTestSupport.h"
#include "TermineGuiSupport.h"

#include "framework/PathParts.h"
#include "res/resource.h"
#include "sheet/InfoDlg.h"
#include "tests/unit/TestHost.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using Texts = std::vector<std::string>;

CTermin At(const std::string& when, int preposition, const std::string& description)
{
    CDateTime target;
    ParseGermanDateTime(when, target);
    return CTermin(target, false, preposition, description);
}

struct Shown {
    std::string version;
    std::string legal;
    std::vector<std::string> rows;  // "remaining|text"
};

// Opens the dialog, reads what it shows and closes it again with Esc.
Shown Open(CInfoDlg& dialog)
{
    Shown shown;
    AfterDelay(50, [&] {
        shown.version = TextOf(dialog.GetDlgItem(IDC_VERSION_LINE));
        shown.legal = TextOf(dialog.GetDlgItem(IDC_LEGAL_LINE));
        const HWND list = dialog.GetDlgItem(IDC_LIST);
        const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            char remaining[64] = "", text[256] = "";
            LVITEMA item{};
            item.pszText = remaining;
            item.cchTextMax = sizeof(remaining);
            SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
            item.iSubItem = 1;
            item.pszText = text;
            item.cchTextMax = sizeof(text);
            SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
            shown.rows.push_back(std::string(remaining) + "|" + text);
        }
        PostKey(dialog.GetDlgItem(IDOK), VK_ESCAPE);
    });
    dialog.DoModal();
    return shown;
}

// The About dialog's list alone in its template, so the test can sort it.
using CInfoListHost = CListInTemplate<CInfoListCtrl, IDD_INFO>;

class InfoDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.SetNow("01.12.2021 12:00:00");
        app.UseHost(host);
    }
    CTestHost host;
    CRecordingApp app;
    CPlainWindow owner;
};

}  // namespace

TEST_F(InfoDlgTest, ListsEveryAppointmentNearestFirstWithTiesByTextIgnoringCase)
{
    CInfoDlg dialog(app, owner.Handle(), host.Now());
    dialog.Termine().Add(At("24.12.2021 18:00:00", 1, "Geburtstag"));
    dialog.Termine().Add(At("24.12.2021 18:00:00", 0, "Urlaub"));
    dialog.Termine().Add(At("01.12.2021 13:00:05", 0, "Mittag"));
    dialog.Termine().Add(At("30.11.2021 09:00:00", 0, "vorbei"));
    const Shown shown = Open(dialog);
    EXPECT_EQ(shown.rows, (std::vector<std::string>{"0T 00:00:00|bis vorbei", "0T 01:00:05|bis Mittag",
                                                    "23T 06:00:00|bis Urlaub",
                                                    "23T 06:00:00|bis zum Geburtstag"}));
    EXPECT_EQ(shown.version.rfind("Zielmark", 0), 0u) << shown.version;
    EXPECT_NE(shown.version.find(" v1."), std::string::npos) << shown.version;
    EXPECT_EQ(shown.legal, "Copyright \xA9 2026 Orvanta");
    EXPECT_EQ(shown.version, VersionLinesOf(orv::Windows::GetModulePath(nullptr)).version);
}

TEST_F(InfoDlgTest, WithoutVersionResourceTheLinesAreBlankAndWithoutAppointmentsTheListIsEmpty)
{
    const std::string plain = "info-test-no-version.txt";
    std::ofstream(plain) << "kein Programm";
    const CVersionLines lines = VersionLinesOf(plain);
    std::remove(plain.c_str());
    EXPECT_EQ(lines.version, " ");
    EXPECT_EQ(lines.legal, "");
    CInfoDlg dialog(app, owner.Handle(), host.Now());
    EXPECT_TRUE(Open(dialog).rows.empty());
}

TEST_F(InfoDlgTest, F1AsksForTheDialogsHelpPage)
{
    CInfoDlg dialog(app, owner.Handle(), host.Now());
    AfterDelay(50, [&] {
        PostKey(dialog.GetDlgItem(IDC_LIST), VK_F1);
        AfterDelay(50, [&] { dialog.EndDialog(IDOK); });
    });
    dialog.DoModal();
    EXPECT_EQ(app.topics, (std::vector<std::string>{"ref_dlg_info.html"}));
}

TEST_F(InfoDlgTest, EachRowShowsItsAppointmentAndASortKeepsTheSelectedOneSelected)
{
    CTerminList termine;
    termine.Add(At("24.12.2021 18:00:00", 1, "Geburtstag"));
    termine.Add(At("24.12.2021 18:00:00", 0, "Urlaub"));
    termine.Add(At("01.12.2021 13:00:05", 0, "Mittag"));
    termine.Add(At("30.11.2021 09:00:00", 0, "vorbei"));
    CInfoListHost about(owner.Handle());
    ASSERT_TRUE(about.Create(owner.Handle()));
    about.list.InitList(&termine, host);
    about.list.Refill(host.Now());
    EXPECT_EQ(ColumnTexts(about.List(), 0), (Texts{"0T 00:00:00", "0T 01:00:05", "23T 06:00:00", "23T 06:00:00"}));
    EXPECT_EQ(ColumnTexts(about.List(), 1), (Texts{"bis vorbei", "bis Mittag", "bis Urlaub", "bis zum Geburtstag"}));
    // Row by row, the item data name the appointment whose texts the row shows.
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(about.list.Rows().at(static_cast<size_t>(about.list.GetItemData(row))).text,
                  ColumnTexts(about.List(), 1)[static_cast<size_t>(row)]);

    about.list.SelectItem(1, true);
    struct Case {
        int column;
        bool descending;
        Texts texts;
        int selected;  // the row of "bis Mittag"
    };
    const Case cases[] = {
        {1, false, {"bis Mittag", "bis Urlaub", "bis vorbei", "bis zum Geburtstag"}, 0},
        {1, true, {"bis zum Geburtstag", "bis vorbei", "bis Urlaub", "bis Mittag"}, 3},
        // The tie at 23 days goes by the text, in the direction of the sort.
        {0, true, {"bis zum Geburtstag", "bis Urlaub", "bis Mittag", "bis vorbei"}, 2},
        {0, false, {"bis vorbei", "bis Mittag", "bis Urlaub", "bis zum Geburtstag"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.column) + (c.descending ? " descending" : " ascending"));
        about.list.SetSortColumn(c.column, c.descending);
        about.list.Sort(-1);
        EXPECT_EQ(ColumnTexts(about.List(), 1), c.texts);
        EXPECT_EQ(about.list.GetNextItem(-1, LVNI_SELECTED), c.selected);
        EXPECT_EQ(about.list.GetSelectedCount(), 1);
    }
    // Typing the start of a remaining time selects the first row that shows it.
    SendMessageA(about.List(), WM_CHAR, '2', 1);  // a repeat count of one, as from the keyboard
    EXPECT_EQ(about.list.GetNextItem(-1, LVNI_SELECTED), 2);
}
