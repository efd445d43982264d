// The timer window in-process: sizing to its text, frame changes, paint, closing and a ticker
// that will not start.
#include "GuiTestSupport.h"
#include "TimerGeometry.h"
#include "TimerWndSupport.h"

#include "app/AppTimerServices.h"
#include "app/Win32CoreHost.h"
#include "framework/RegistryProfile.h"
#include "res/resource.h"
#include "timerwnd/TimerWnd.h"

#include <gtest/gtest.h>

namespace {

constexpr char kAppPath[] = "ZielmarkTest\\TimerWnd";

// Pumps this thread's messages until `done` or about two seconds have passed.
template <typename Condition>
bool PumpUntil(Condition done)
{
    for (int i = 0; i < 200 && !done(); ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    return done();
}

void Repaint(HWND window)
{
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

using e2e::FrameExtent;
using e2e::kNoAppointment;

class TimerWndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kAppPath).c_str());
        profile.SetPath(kAppPath);
    }
    void TearDown() override
    {
        if (window && IsWindow(handle))
            DestroyWindow(handle);
        RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kAppPath).c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZielmarkTest");
    }
    void Open()
    {
        window = std::make_unique<CTimerWnd>(profile, services);
        ASSERT_TRUE(window->Create());
        handle = window->Handle();
    }

    CRecordingApp app;
    CWin32CoreHost host;
    CAppTimerServices services{app, host};
    orv::Windows::CRegistryProfile profile;
    std::unique_ptr<CTimerWnd> window;
    HWND handle = nullptr;
};

// A window whose ticker refuses to start, as a failed thread would.
class CTickerlessWnd : public CTimerWnd {
public:
    using CTimerWnd::CTimerWnd;

protected:
    int32_t StartTicker() override { return 2; }
};

}  // namespace

TEST_F(TimerWndTest, FramedWindowIsTheSurfacePlusTheFrame)
{
    Open();
    const SIZE surface = ClientSize(handle);
    EXPECT_EQ(surface.cx, ClientSizeFor(kNoAppointment).cx);
    EXPECT_EQ(surface.cy, ClientSizeFor(kNoAppointment).cy);
    const SIZE frame = FrameExtent();
    EXPECT_GT(frame.cx, 0);
    const SIZE size = WindowSize(handle);
    EXPECT_EQ(size.cx, surface.cx + frame.cx);
    EXPECT_EQ(size.cy, surface.cy + frame.cy);
    RECT rect{};
    GetWindowRect(handle, &rect);
    EXPECT_EQ(rect.left, 20);
    EXPECT_EQ(rect.top, 20);
}

TEST_F(TimerWndTest, FrameOffResizesWithinTwoPaintsToTextPlusTen)
{
    Open();
    const SIZE framedAtFirst = WindowSize(handle);
    RECT before{};
    GetWindowRect(handle, &before);

    SendMessageA(handle, WM_COMMAND, ID_BORDER, 0);
    EXPECT_FALSE(window->GetOptions().m_bBorder);
    EXPECT_FALSE(GetWindowLongA(handle, GWL_STYLE) & WS_DLGFRAME);
    EXPECT_FALSE(GetWindowLongA(handle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    // The first paint whose sizes differ resizes; if they still match, the second one does.
    Repaint(handle);
    Repaint(handle);
    const SIZE text = ClientSizeFor(kNoAppointment);
    const SIZE size = WindowSize(handle);
    EXPECT_EQ(size.cx, text.cx);
    EXPECT_EQ(size.cy, text.cy);
    Repaint(handle);
    EXPECT_EQ(WindowSize(handle).cx, text.cx) << "a fitted window keeps its size";
    RECT after{};
    GetWindowRect(handle, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);

    // Back on: the frame extent measured at creation is used again, unchanged.
    SendMessageA(handle, WM_COMMAND, ID_BORDER, 0);
    Repaint(handle);
    Repaint(handle);
    const SIZE framed = WindowSize(handle);
    EXPECT_EQ(framed.cx, framedAtFirst.cx);
    EXPECT_EQ(framed.cy, framedAtFirst.cy);
    EXPECT_EQ(framed.cx, text.cx + FrameExtent().cx);
    EXPECT_EQ(framed.cy, text.cy + FrameExtent().cy);
}

TEST_F(TimerWndTest, TickDrawsANewColourStraightToTheWindowAndANewFrameThroughAPaint)
{
    Open();
    Repaint(handle);
    const CClientDC screen(handle);
    const auto shown = [&] { return GetPixel(screen.Get(), 1, 1); };
    const COLORREF before = shown();
    ValidateRect(handle, nullptr);
    // The default scheme fades the whole background a step on every tick.
    SendMessageA(handle, CTimerWnd::kTickMessage, 0, 0);
    EXPECT_FALSE(GetUpdateRect(handle, nullptr, FALSE)) << "drawn without an invalidation";
    EXPECT_NE(shown(), before);
    // What the tick drew is the finished surface: a paint, which copies it, shows the same.
    const COLORREF drawn = shown();
    Repaint(handle);
    EXPECT_EQ(shown(), drawn);

    // A frame switched off changes the window's size: that goes through the paint.
    SendMessageA(handle, WM_COMMAND, ID_BORDER, 0);
    ValidateRect(handle, nullptr);
    SendMessageA(handle, CTimerWnd::kTickMessage, 0, 0);
    EXPECT_TRUE(GetUpdateRect(handle, nullptr, FALSE));
}

TEST_F(TimerWndTest, OptionCommandsToggleWithoutSaving)
{
    Open();
    EXPECT_TRUE(window->GetOptions().m_bAlwaysOnTop);
    EXPECT_TRUE(GetWindowLongA(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SendMessageA(handle, WM_COMMAND, ID_ALWAYS_ON_TOP, 0);
    EXPECT_FALSE(GetWindowLongA(handle, GWL_EXSTYLE) & WS_EX_TOPMOST);

    const bool trayShown = ShellHasIcon(handle);
    SendMessageA(handle, WM_COMMAND, ID_TASKBAR_ICON, 0);
    EXPECT_FALSE(window->GetOptions().m_bTaskbarIcon);
    EXPECT_FALSE(ShellHasIcon(handle));
    SendMessageA(handle, WM_COMMAND, ID_TASKBAR_ICON, 0);
    EXPECT_TRUE(window->GetOptions().m_bTaskbarIcon);
    EXPECT_EQ(ShellHasIcon(handle), trayShown);

    orv::Windows::CRegistryProfile reader;
    reader.SetPath(kAppPath);
    ASSERT_TRUE(reader.OpenSection("MainWnd"));
    EXPECT_TRUE(reader.GetBool("AlwaysOnTop", true));  // nothing written yet
    reader.CloseSection();
}

TEST_F(TimerWndTest, EmptyListShowsTheNoAppointmentTextAndTheIcon)
{
    Open();
    // The window takes the size of its text, so another text would show in its size. (The
    // icon's empty tip for no count is the tray icon's own test.)
    const SIZE client = ClientSize(handle);
    EXPECT_EQ(client.cx, ClientSizeFor(kNoAppointment).cx);
    EXPECT_EQ(client.cy, ClientSizeFor(kNoAppointment).cy);
    EXPECT_TRUE(ShellHasIcon(handle)) << "this display has no notification area";
}

TEST_F(TimerWndTest, ClosingSavesAllFiveOptionsAndTheObjectOutlivesItsWindow)
{
    Open();
    SendMessageA(handle, WM_COMMAND, ID_BORDER, 0);
    PostMessageA(handle, WM_COMMAND, ID_APP_EXIT, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(handle); }));
    EXPECT_EQ(window->Handle(), nullptr);

    orv::Windows::CRegistryProfile reader;
    reader.SetPath(kAppPath);
    ASSERT_TRUE(reader.OpenSection("MainWnd"));
    EXPECT_FALSE(reader.GetBool("Border", true));
    EXPECT_TRUE(reader.GetBool("TaskbarIcon", false));
    EXPECT_TRUE(reader.GetBool("AlwaysOnTop", false));
    EXPECT_EQ(reader.GetInt("DblClkCmd", 0), ID_SETTINGS);
    WINDOWPLACEMENT placement{};
    EXPECT_EQ(reader.GetBinary("Placement", sizeof(placement), nullptr, &placement), 0);
    EXPECT_EQ(placement.length, 44u);
    EXPECT_EQ(placement.rcNormalPosition.left, 20);
    reader.CloseSection();
}

TEST_F(TimerWndTest, TickerThatCannotStartReportsError101AndCloses)
{
    std::string shown;
    AfterDelay(50, [&] {
        HWND dialog = FindDialog("FEHLER");
        for (HWND child : ChildWindows(dialog))
            if (ClassOf(child) == "Static" && !(GetWindowLongA(child, GWL_STYLE) & SS_ICON))
                shown = TextOf(child);
        PostKey(GetFocus(), VK_RETURN);
    });
    auto failing = std::make_unique<CTickerlessWnd>(profile, services);
    EXPECT_FALSE(failing->Create());
    HWND failed = failing->Handle();
    EXPECT_EQ(shown, "FEHLER 101: Ticker-Thread kann nicht gestartet werden.");
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(failed); }));  // the posted WM_CLOSE
}

TEST_F(TimerWndTest, TrayIconComesBackWhenTheTaskbarIsCreatedAnew)
{
    Open();
    ASSERT_TRUE(ShellHasIcon(handle)) << "this display has no notification area";
    // The shell restarts: it has forgotten the icon, the window still thinks it is there.
    NOTIFYICONDATAA gone{};
    gone.cbSize = NOTIFYICONDATAA_V1_SIZE;
    gone.hWnd = handle;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &gone));
    ASSERT_FALSE(ShellHasIcon(handle));
    SendMessageA(handle, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellHasIcon(handle));  // the shell knows it again

    // With the option off, the new taskbar gets no icon.
    SendMessageA(handle, WM_COMMAND, ID_TASKBAR_ICON, 0);
    SendMessageA(handle, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_FALSE(ShellHasIcon(handle));
}
