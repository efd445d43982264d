// The timer window on the screen: stored placement, dragging, double-click, and its size
// following the text and the frame.
#include "ContextMenu.h"
#include "E2eFixture.h"
#include "ScreenCapture.h"
#include "TimerGeometry.h"
#include "UserInput.h"

#include <cstdio>

namespace e2e {
namespace {

bool SameSize(SIZE a, SIZE b)
{
    return a.cx == b.cx && a.cy == b.cy;
}

::testing::AssertionResult HasSize(HWND window, SIZE client, SIZE whole)
{
    const SIZE actualClient = ClientSize(window);
    const SIZE actualWhole = WindowSize(window);
    if (SameSize(actualClient, client) && SameSize(actualWhole, whole))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "client " << actualClient.cx << "x" << actualClient.cy << " (expected " << client.cx
           << "x" << client.cy << "), window " << actualWhole.cx << "x" << actualWhole.cy
           << " (expected " << whole.cx << "x" << whole.cy << ")";
}

TEST_F(ZielmarkTest, StoredPlacementIsApplied)
{
    StorePlacement(NormalPlacement(RECT{300, 200, 480, 230}));
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    const RECT shown = WindowRect(timer);
    EXPECT_EQ(shown.left, 300);
    EXPECT_EQ(shown.top, 200);
    ASSERT_TRUE(CloseByMessage(timer));
    const auto placement = StoredPlacement();
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->rcNormalPosition.left, 300);
    EXPECT_EQ(placement->rcNormalPosition.top, 200);
}

TEST_F(ZielmarkTest, PlacementOfWrongLengthIsIgnored)
{
    const WINDOWPLACEMENT placement = NormalPlacement(RECT{300, 200, 480, 230});
    AppRegistry::SetBinary("MainWnd", "Placement", &placement, 40);
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(WindowRect(timer).left, 20);
    EXPECT_EQ(WindowRect(timer).top, 20);
}

TEST_F(ZielmarkTest, DraggingMovesTheWindowAndTheNewPlaceIsSaved)
{
    StorePlacement(NormalPlacement(RECT{300, 200, 480, 230}));
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    const RECT before = WindowRect(timer);
    const POINT from = CenterOf(before);
    const POINT delta{170, 90};

    int attempts = 0;
    ASSERT_TRUE(DragWindow(timer, from, POINT{from.x + delta.x, from.y + delta.y}, &attempts))
        << "the window does not follow the mouse";
    if (attempts > 1)
        std::printf("note: the drag needed %d gestures (input echo under Wine)\n", attempts);
    const RECT after = WindowRect(timer);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);

    // A move after the button is up no longer drags.
    EXPECT_TRUE(MoveMouse(POINT{from.x, from.y}));
    EXPECT_FALSE(WaitUntil([&] { return WindowRect(timer).left != after.left; }, 300));

    ASSERT_TRUE(CloseByMessage(timer));
    const auto placement = StoredPlacement();
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->rcNormalPosition.left, after.left);
    EXPECT_EQ(placement->rcNormalPosition.top, after.top);
}

TEST_F(ZielmarkTest, RightClickDuringADragOpensNoMenu)
{
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    const POINT from = CenterOf(WindowRect(timer));
    ASSERT_TRUE(PressButtonAt(from, Button::Left));
    ASSERT_TRUE(WaitUntil([&] { return HasCapture(timer); }, 1000));
    ASSERT_TRUE(MoveMouse(POINT{from.x, from.y + 60}));
    // The program holds the capture while dragging, so the right button reaches it wherever.
    PressButton(Button::Right);
    ReleaseButton(Button::Right);
    EXPECT_EQ(Run().WaitForWindowOf("#32768", nullptr, 400), nullptr);
    ReleaseButton(Button::Left);
}

TEST_F(ZielmarkTest, DoubleClickRunsTheStoredCommand)
{
    StoreInt("DblClkCmd", 57665);  // "Beenden"
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    DoubleClick(CenterOf(WindowRect(timer)));
    ASSERT_TRUE(Run().WaitForExit(5000)) << "the double-click did not close the program";
    EXPECT_EQ(Run().ExitCode(), 0u);
    EXPECT_EQ(StoredInt("DblClkCmd"), std::optional<int32_t>(57665));
}

TEST_F(ZielmarkTest, WindowSizeIsTheTextPlusMarginAndTheFrame)
{
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    const SIZE text = TextExtent(kNoAppointment);
    const SIZE surface{text.cx + Margins(), text.cy + Margins()};
    const SIZE frame = FrameExtent();
    const SIZE framed{surface.cx + frame.cx, surface.cy + frame.cy};
    ASSERT_GT(frame.cx, 0);
    EXPECT_TRUE(HasSize(timer, surface, framed));
    EXPECT_TRUE(ScreenImage::Capture(WindowRect(timer)).SaveBmp(ScreenshotFolder() + "\\framed.bmp"));
    const RECT framedRect = WindowRect(timer);

    // Alt+R switches the frame off: the window is then exactly the surface. Its corner stays.
    Click(CenterOf(framedRect));
    PressKey('R', true);
    EXPECT_TRUE(WaitUntil([&] { return SameSize(WindowSize(timer), surface); }, 3000));
    EXPECT_TRUE(HasSize(timer, surface, surface));
    EXPECT_FALSE(GetWindowLongA(timer, GWL_STYLE) & WS_DLGFRAME);
    EXPECT_EQ(WindowRect(timer).left, framedRect.left);
    EXPECT_EQ(WindowRect(timer).top, framedRect.top);
    EXPECT_TRUE(ScreenImage::Capture(WindowRect(timer)).SaveBmp(ScreenshotFolder() + "\\unframed.bmp"));

    // And on again: the frame measured at creation applies once more.
    PressKey('R', true);
    EXPECT_TRUE(WaitUntil([&] { return SameSize(WindowSize(timer), framed); }, 3000));
    EXPECT_TRUE(HasSize(timer, surface, framed));

    ASSERT_TRUE(CloseByMessage(timer));
    EXPECT_EQ(StoredBool("Border"), std::optional<bool>(true));
}

}  // namespace
}  // namespace e2e
