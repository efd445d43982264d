// The page "Doppel-Klick": the menu's commands as choices, taken when the list closes.
#include "SheetTestSupport.h"

#include "res/resource.h"
#include "sheet/DblClkPropPage.h"

#include <gtest/gtest.h>

namespace {

struct Entry {
    std::string text;
    LPARAM command;
    bool operator==(const Entry& other) const { return text == other.text && command == other.command; }
};

std::vector<Entry> Entries(HWND combo)
{
    std::vector<Entry> entries;
    const auto count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
        char text[256] = "";
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back({text, SendMessageA(combo, CB_GETITEMDATA, i, 0)});
    }
    return entries;
}

int Selection(HWND combo)
{
    return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
}

class DblClkPageTest : public ::testing::Test {
protected:
    void SetUp() override { app.SetMainWindow(&mainWindow); }
    void TearDown() override { app.ReleaseMainWindow(); }

    CDblClkPropPage* AddPage(CPropertySheet& sheet, int32_t command)
    {
        auto* page = sheet.AddPage(std::make_unique<CDblClkPropPage>());
        page->SetCommand(command);
        return page;
    }

    CRecordingApp app;
    CPlainWindow mainWindow;
};

}  // namespace

TEST_F(DblClkPageTest, ListsTheEightMenuCommandsCleanWithTheSettingsSelected)
{
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDblClkPropPage* page = AddPage(sheet, ID_SETTINGS);
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        const HWND list = GetDlgItem(pageWindow, IDC_DBLCLK_COMMAND);
        EXPECT_EQ(Entries(list), (std::vector<Entry>{{"Icon in Task-Leiste", ID_TASKBAR_ICON},
                                                     {"Immer sichtbar", ID_ALWAYS_ON_TOP},
                                                     {"Rahmen", ID_BORDER},
                                                     {"Einstellungen ...", ID_SETTINGS},
                                                     {"Hilfe-Startseite ...", ID_HELP_START_PAGE},
                                                     {"Hilfe ...", ID_HELP},
                                                     {"Info ...", ID_APP_ABOUT},
                                                     {"Beenden", ID_APP_EXIT}}));
        EXPECT_EQ(Selection(list), 3);
        EXPECT_EQ(GetFocus(), list);
        EXPECT_FALSE(ApplyEnabled(window));
        PressSheetButton(window, PSBTN_OK);
    });
    EXPECT_EQ(page->GetCommand(), ID_SETTINGS);
}

TEST_F(DblClkPageTest, UnknownCommandShowsTheFirstEntryButKeepsTheCommand)
{
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDblClkPropPage* page = AddPage(sheet, 0);
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        EXPECT_EQ(Selection(GetDlgItem(pageWindow, IDC_DBLCLK_COMMAND)), 0);
        PressSheetButton(window, PSBTN_OK);
    });
    EXPECT_EQ(page->GetCommand(), 0);
}

TEST_F(DblClkPageTest, PickingBeendenFromTheOpenListTakesItOnClosing)
{
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDblClkPropPage* page = AddPage(sheet, ID_SETTINGS);
    const INT_PTR result = RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        const HWND list = GetDlgItem(pageWindow, IDC_DBLCLK_COMMAND);
        SetFocus(list);
        SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
        // Through the open list with the keys, as a person would.
        for (int i = 0; i < 4; ++i)
            PostKey(list, VK_DOWN);
        AfterDelay(200, [&, window, list] {
            COMBOBOXINFO info{};
            info.cbSize = sizeof(info);
            GetComboBoxInfo(list, &info);
            EXPECT_TRUE(SaveScreenshot(window, "dblclk_page_list_open", info.hwndList));
            EXPECT_EQ(page->GetCommand(), ID_SETTINGS);  // not before the list closes
            PostKey(list, VK_RETURN);
            AfterDelay(200, [&, window] {
                EXPECT_EQ(page->GetCommand(), ID_APP_EXIT);
                EXPECT_TRUE(ApplyEnabled(window));
                PressSheetButton(window, PSBTN_OK);
            });
        });
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(page->GetCommand(), ID_APP_EXIT);
}

TEST_F(DblClkPageTest, ArrowKeysOnTheClosedListAndPickingTheSameEntryChangeNothing)
{
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDblClkPropPage* page = AddPage(sheet, ID_SETTINGS);
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        const HWND list = GetDlgItem(pageWindow, IDC_DBLCLK_COMMAND);
        SetFocus(list);
        PostKey(list, VK_DOWN);
        AfterDelay(200, [&, window, list] {
            EXPECT_EQ(Selection(list), 4);
            EXPECT_EQ(page->GetCommand(), ID_SETTINGS);
            EXPECT_FALSE(ApplyEnabled(window));
            // Back to the entry it was, chosen from the open list: no change at all.
            SendMessageA(list, CB_SETCURSEL, 3, 0);
            SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
            SendMessageA(list, CB_SHOWDROPDOWN, FALSE, 0);
            EXPECT_EQ(page->GetCommand(), ID_SETTINGS);
            EXPECT_FALSE(ApplyEnabled(window));
            PressSheetButton(window, PSBTN_CANCEL);
        });
    });
    EXPECT_EQ(page->GetCommand(), ID_SETTINGS);
}
