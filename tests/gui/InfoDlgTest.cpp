// The About dialog: version texts from the version resource, the appointments nearest first
// with ties by text, past ones at zero, and its help page.
#include "GuiTestSupport.h"

#include "res/resource.h"
#include "sheet/InfoDlg.h"
#include "tests/unit/TestHost.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

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

class InfoDlgTest : public ::testing::Test {
protected:
    void SetUp() override { host.SetNow("01.12.2021 12:00:00"); }
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
}

TEST_F(InfoDlgTest, WithoutVersionResourceShowsABlankLineAndNoNotice)
{
    const std::string plain = "info-test-no-version.txt";
    std::ofstream(plain) << "kein Programm";
    CInfoDlg dialog(app, owner.Handle(), host.Now());
    dialog.SetVersionSource(plain);
    const Shown shown = Open(dialog);
    std::remove(plain.c_str());
    EXPECT_EQ(shown.version, " ");
    EXPECT_EQ(shown.legal, "");
    EXPECT_TRUE(shown.rows.empty());
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
