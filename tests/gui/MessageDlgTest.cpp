// The message dialog as a user meets it: texts, icon, buttons, keys, help and its owner.
#include "GuiTestSupport.h"

#include "res/resource.h"

#include <gtest/gtest.h>

using orv::Windows::CMessageDlg;

namespace {

constexpr int kErrorWriteOpen = 2005;
constexpr int kWarningNoEntries = 2501;

struct Seen {
    bool found = false;
    std::string title;
    std::string text;
    bool stopIcon = false;
    bool iconShown = false;
    bool closeFocused = false;
    bool hasHelpButton = false;
    HWND owner = nullptr;
};

Seen Inspect(const std::string& title)
{
    Seen seen;
    HWND dialog = FindDialog(title);
    if (!dialog)
        return seen;
    seen.found = true;
    seen.title = TextOf(dialog);
    seen.owner = GetWindow(dialog, GW_OWNER);
    for (HWND child : ChildWindows(dialog)) {
        if (ClassOf(child) != "Static")
            continue;
        if (GetWindowLongA(child, GWL_STYLE) & SS_ICON) {
            const auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            seen.iconShown = icon != nullptr;
            seen.stopIcon = icon == LoadIcon(nullptr, IDI_HAND);
        } else {
            seen.text = TextOf(child);
        }
    }
    seen.closeFocused = GetFocus() == FindButton(dialog, "&Schlie\xDF" "en");
    seen.hasHelpButton = FindButton(dialog, "&Hilfe") != nullptr;
    return seen;
}

class MessageDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.HelpTopics().RegisterTopic(kErrorWriteOpen, "ref_meldungen.html#l_e105");
        app.HelpTopics().RegisterTopic(kWarningNoEntries, "ref_meldungen.html#l_w501");
        app.SetMainWindow(&mainWindow);
    }
    void TearDown() override { app.ReleaseMainWindow(); }

    CRecordingApp app;
    CPlainWindow mainWindow;
};

}  // namespace

TEST_F(MessageDialogTest, ErrorShowsThreeLinesStopIconAndFocusedClose)
{
    Seen seen;
    AfterDelay(50, [&] {
        seen = Inspect("FEHLER");
        PostKey(GetFocus(), VK_RETURN);
    });
    app.ShowError(kErrorWriteOpen, "C:\\Daten\\Termine.lst");
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.text, "FEHLER 105: Datei\n\"C:\\Daten\\Termine.lst\"\nkann nicht zum Schreiben ge\xF6" "ffnet werden.");
    EXPECT_TRUE(seen.stopIcon);
    EXPECT_TRUE(seen.closeFocused);
    EXPECT_TRUE(seen.hasHelpButton);
    EXPECT_EQ(seen.owner, mainWindow.Handle());
    EXPECT_TRUE(app.topics.empty());
    EXPECT_EQ(app.GetOwnerHandle(), mainWindow.Handle());
}

TEST_F(MessageDialogTest, EnterClosesWithOkAndEscapeWithCancel)
{
    va_list none{};
    AfterDelay(50, [] { PostKey(GetFocus(), VK_RETURN); });
    EXPECT_EQ(app.ShowMessage("Hinweis", none, "Info", orv::Windows::kMessageInformation), IDOK);
    AfterDelay(50, [] { PostKey(GetFocus(), VK_ESCAPE); });
    EXPECT_EQ(app.ShowMessage("Hinweis", none, "Info", orv::Windows::kMessageInformation), IDCANCEL);
}

TEST_F(MessageDialogTest, F1AndHelpButtonOpenTheWarningsTopic)
{
    bool helpButton = false;
    AfterDelay(50, [&] {
        HWND dialog = FindDialog("WARNUNG");
        PostKey(GetFocus(), VK_F1);
        AfterDelay(50, [&, dialog] {
            HWND button = FindButton(dialog, "&Hilfe");
            helpButton = button != nullptr;
            SendMessageA(button, BM_CLICK, 0, 0);
            PostKey(GetFocus(), VK_ESCAPE);
        });
    });
    app.ShowWarning(kWarningNoEntries);
    EXPECT_TRUE(helpButton);
    EXPECT_EQ(app.topics, (std::vector<std::string>{"ref_meldungen.html#l_w501", "ref_meldungen.html#l_w501"}));
}

TEST_F(MessageDialogTest, WithoutHelpCallbackOnlyCloseAndF1DoesNothing)
{
    app.SetHelpCallback(nullptr, nullptr);
    Seen seen;
    AfterDelay(50, [&] {
        seen = Inspect("WARNUNG");
        PostKey(GetFocus(), VK_F1);
        AfterDelay(50, [] { PostKey(GetFocus(), VK_RETURN); });
    });
    app.ShowWarning(kWarningNoEntries);
    ASSERT_TRUE(seen.found);
    EXPECT_FALSE(seen.hasHelpButton);
    EXPECT_TRUE(seen.iconShown);
    EXPECT_TRUE(app.topics.empty());
}

TEST_F(MessageDialogTest, KindZeroHasNoIconAndWideText)
{
    va_list none{};
    RECT textRect{};
    bool iconSeen = false;
    AfterDelay(50, [&] {
        HWND dialog = FindDialog("Ohne");
        for (HWND child : ChildWindows(dialog)) {
            if (ClassOf(child) != "Static")
                continue;
            if (GetWindowLongA(child, GWL_STYLE) & SS_ICON)
                iconSeen = true;
            else {
                GetWindowRect(child, &textRect);
                MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&textRect), 2);
            }
        }
        RECT expected{7, 7, 7 + 246, 7 + 42};
        MapDialogRect(dialog, &expected);
        EXPECT_EQ(textRect.left, expected.left);
        EXPECT_EQ(textRect.right, expected.right);
        PostKey(GetFocus(), VK_RETURN);
    });
    app.ShowMessage("Nur Text", none, "Ohne", 0);
    EXPECT_FALSE(iconSeen);
}

TEST_F(MessageDialogTest, ErrorInsideAModalDialogIsOwnedByItAndOwnersAreRestored)
{
    CEmptyDialog outer(mainWindow.Handle());
    HWND outerHandle = nullptr;
    Seen inner;
    HWND ownerDuringOuter = nullptr;
    HWND ownerAfterInner = nullptr;
    AfterDelay(50, [&] {
        outerHandle = outer.Handle();
        ownerDuringOuter = app.GetOwnerHandle();
        AfterDelay(50, [&] {
            inner = Inspect("FEHLER");
            PostKey(GetFocus(), VK_RETURN);
        });
        app.ShowError(kErrorWriteOpen, "x.lst");
        ownerAfterInner = app.GetOwnerHandle();
        outer.EndDialog(IDOK);
    });
    EXPECT_EQ(app.RunModal(outer), IDOK);
    ASSERT_TRUE(inner.found);
    EXPECT_EQ(inner.owner, outerHandle);
    EXPECT_EQ(ownerDuringOuter, outerHandle);
    EXPECT_EQ(ownerAfterInner, outerHandle);
    EXPECT_EQ(app.GetOwnerHandle(), mainWindow.Handle());
    EXPECT_TRUE(IsWindowEnabled(mainWindow.Handle()));
}

TEST(PlaceAtCursor, KeepsTheWindowOnTheWorkAreaUnderTheCursorAndMakesItTopmost)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ASSERT_TRUE(GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor));
    const RECT work = monitor.rcWork;
    const int workWidth = work.right - work.left;
    const int workHeight = work.bottom - work.top;
    struct Row {
        POINT cursor;
        SIZE size;
        POINT expected;
    };
    const Row rows[] = {
        // Near the right edge: pushed back left, the top stays at the cursor.
        {{work.right - 100, work.top + 200}, {400, 100}, {work.right - 400, work.top + 200}},
        // Near the bottom: pushed up, clear of a taskbar.
        {{work.left + 10, work.bottom - 5}, {400, 100}, {work.left + 10, work.bottom - 100}},
        // Larger than the work area: its top left corner stays on it.
        {{work.left + 300, work.top + 300}, {workWidth + 50, workHeight + 40}, {work.left, work.top}},
    };
    for (const Row& row : rows) {
        CPlainWindow window;
        SetWindowPos(window.Handle(), nullptr, 0, 0, row.size.cx, row.size.cy, SWP_NOZORDER);
        // The system may cap a window's size at a little more than the screen's.
        RECT sized{};
        GetWindowRect(window.Handle(), &sized);
        const RECT expected{row.expected.x, row.expected.y, row.expected.x + sized.right - sized.left,
                            row.expected.y + sized.bottom - sized.top};
        // The display may report the pointer back late: wait until the cursor is where it was put.
        POINT cursor{};
        for (int i = 0; i < 100; ++i) {
            SetCursorPos(row.cursor.x, row.cursor.y);
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            Sleep(20);
            GetCursorPos(&cursor);
            if (cursor.x == row.cursor.x && cursor.y == row.cursor.y)
                break;
        }
        ASSERT_EQ(cursor.x, row.cursor.x);
        ASSERT_EQ(cursor.y, row.cursor.y);
        orv::Windows::PlaceAtCursor(window.Handle());
        RECT rect{};
        GetWindowRect(window.Handle(), &rect);
        EXPECT_TRUE(EqualRect(&rect, &expected))
            << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom << " at cursor "
            << row.cursor.x << "," << row.cursor.y;
        EXPECT_TRUE(GetWindowLongA(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    }
}

TEST_F(MessageDialogTest, OwnerAtTheScreensTopLeftEdgeStillShowsTheWholeDialog)
{
    SetWindowPos(mainWindow.Handle(), nullptr, -120, -60, 150, 80, SWP_NOZORDER);
    RECT placed{};
    AfterDelay(50, [&] {
        const HWND dialog = FindDialog("FEHLER");
        GetWindowRect(dialog, &placed);
        PostKey(GetFocus(), VK_RETURN);
    });
    app.ShowError(kErrorWriteOpen, "C:\\x.lst");
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromWindow(mainWindow.Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_GE(placed.left, monitor.rcWork.left);
    EXPECT_GE(placed.top, monitor.rcWork.top);
    EXPECT_LE(placed.right, monitor.rcWork.right);
    EXPECT_LE(placed.bottom, monitor.rcWork.bottom);
    EXPECT_GT(placed.right - placed.left, 0);
}
