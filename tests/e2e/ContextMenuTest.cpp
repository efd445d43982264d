// The right-click menu: its check marks show the three options, its items switch them, and the
// switched options are saved when the program is ended from the menu.
#include "ContextMenu.h"
#include "E2eFixture.h"
#include "ScreenCapture.h"

namespace e2e {
namespace {

::testing::AssertionResult MenuShows(ProgramRun& run, HWND timer, OptionChecks expected)
{
    HWND menu = OpenContextMenu(run, timer);
    if (!menu)
        return ::testing::AssertionFailure() << "no pop-up menu";
    OptionChecks shown;
    const bool read = ReadMenuChecks(menu, shown);
    ScreenImage::Capture(WindowRect(menu)).SaveBmp(ScreenshotFolder() + "\\context-menu.bmp");
    if (!read)
        return ::testing::AssertionFailure() << "the menu's items cannot be read from the screen";
    if (shown.taskbarIcon != expected.taskbarIcon || shown.alwaysOnTop != expected.alwaysOnTop ||
        shown.border != expected.border)
        return ::testing::AssertionFailure()
               << "check marks (icon, on top, frame) " << shown.taskbarIcon << shown.alwaysOnTop
               << shown.border << ", expected " << expected.taskbarIcon << expected.alwaysOnTop
               << expected.border;
    return ::testing::AssertionSuccess();
}

bool HasFrame(HWND window)
{
    return (GetWindowLongA(window, GWL_STYLE) & WS_DLGFRAME) != 0;
}

bool IsTopmost(HWND window)
{
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool FrameVisible(HWND window)
{
    const SIZE whole = WindowSize(window);
    const SIZE client = ClientSize(window);
    return whole.cx > client.cx && whole.cy > client.cy;
}

TEST_F(ZielmarkTest, MenuChecksFollowTheOptionsAndItsItemsSwitchThem)
{
    AppRegistry::SetBool("MainWnd", "Border", false);
    AppRegistry::SetBool("MainWnd", "AlwaysOnTop", true);
    AppRegistry::SetBool("MainWnd", "TaskbarIcon", false);
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(HasFrame(timer));
    EXPECT_FALSE(FrameVisible(timer));
    EXPECT_TRUE(IsTopmost(timer));
    ASSERT_TRUE(MenuShows(Run(), timer, {false, true, false}));

    ASSERT_TRUE(ChooseMenuItem(Run(), 'R'));  // "&Rahmen"
    EXPECT_TRUE(WaitUntil([&] { return HasFrame(timer) && FrameVisible(timer); }, 3000));
    ASSERT_TRUE(MenuShows(Run(), timer, {false, true, true}));

    ASSERT_TRUE(ChooseMenuItem(Run(), 'S'));  // "Immer &sichtbar"
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(timer); }, 3000));
    ASSERT_TRUE(MenuShows(Run(), timer, {false, false, true}));

    ASSERT_TRUE(ChooseMenuItem(Run(), 'T'));  // "Icon in &Task-Leiste"
    ASSERT_TRUE(MenuShows(Run(), timer, {true, false, true}));

    ASSERT_TRUE(ChooseMenuItem(Run(), 'B'));  // "&Beenden"
    ASSERT_TRUE(Run().WaitForExit(5000));
    EXPECT_EQ(Run().ExitCode(), 0u);
    EXPECT_EQ(StoredBool("Border"), std::optional<bool>(true));
    EXPECT_EQ(StoredBool("AlwaysOnTop"), std::optional<bool>(false));
    EXPECT_EQ(StoredBool("TaskbarIcon"), std::optional<bool>(true));
}

TEST_F(ZielmarkTest, MenuSwitchesOffWhatIsOn)
{
    HWND timer = Start();  // first run: every option on
    ASSERT_NE(timer, nullptr);
    ASSERT_TRUE(MenuShows(Run(), timer, {true, true, true}));
    ASSERT_TRUE(ChooseMenuItem(Run(), 'T'));
    ASSERT_TRUE(MenuShows(Run(), timer, {false, true, true}));
    ASSERT_TRUE(ChooseMenuItem(Run(), 'R'));
    EXPECT_TRUE(WaitUntil([&] { return !HasFrame(timer) && !FrameVisible(timer); }, 3000));
    ASSERT_TRUE(MenuShows(Run(), timer, {false, true, false}));
    ASSERT_TRUE(ChooseMenuItem(Run(), 'B'));
    ASSERT_TRUE(Run().WaitForExit(5000));
    EXPECT_EQ(StoredBool("Border"), std::optional<bool>(false));
    EXPECT_EQ(StoredBool("AlwaysOnTop"), std::optional<bool>(true));
    EXPECT_EQ(StoredBool("TaskbarIcon"), std::optional<bool>(false));
}

}  // namespace
}  // namespace e2e
