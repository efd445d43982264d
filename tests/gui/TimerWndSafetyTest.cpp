// The timer window with damaged stored placements, a close while due messages are open or
// waiting, a due message the system refuses, and the settings asked for again while open.
#include "GuiTestSupport.h"
#include "LocalTimeAfter.h"
#include "ScreenCapture.h"
#include "SheetTestSupport.h"
#include "TimerGeometry.h"
#include "TimerWndSupport.h"

#include "app/AppTimerServices.h"
#include "app/Win32CoreHost.h"
#include "core/StringUtil.h"
#include "framework/RegistryProfile.h"
#include "res/resource.h"
#include "timerwnd/TimerWnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

namespace {

constexpr char kAppPath[] = "ZielmarkTest\\TimerWndSafety";

template <typename Condition>
bool PumpUntil(Condition done, int rounds = 300)
{
    for (int i = 0; i < rounds && !done(); ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
    return done();
}

WINDOWPLACEMENT Placement(UINT showCmd, RECT normal)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    placement.showCmd = showCmd;
    placement.ptMinPosition = POINT{-1, -1};
    placement.ptMaxPosition = POINT{-1, -1};
    placement.rcNormalPosition = normal;
    return placement;
}

// German date text `days` away from now, at 12:00:00.
std::string DayText(int days)
{
    const SYSTEMTIME day = LocalTimeAfter(days * 24LL * 3600LL);
    char text[32];
    wsprintfA(text, "%02d.%02d.%04d 12:00:00", day.wDay, day.wMonth, day.wYear);
    return text;
}

BOOL CALLBACK CollectMessageBox(HWND window, LPARAM param)
{
    if (IsWindowVisible(window) && ClassOf(window) == "#32770" && GetDlgItem(window, 0xFFFF))
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

// Top-level message boxes of this thread.
std::vector<HWND> MessageBoxes()
{
    std::vector<HWND> boxes;
    EnumThreadWindows(GetCurrentThreadId(), CollectMessageBox, reinterpret_cast<LPARAM>(&boxes));
    return boxes;
}

// Runs `action` once `condition` holds, checking about every 50 ms from whatever message loop
// runs then (a message box's own loop included); gives up after about five seconds.
void WhenTrue(std::function<bool()> condition, std::function<void()> action, int triesLeft = 100)
{
    AfterDelay(50, [=] {
        if (condition())
            action();
        else if (triesLeft > 0)
            WhenTrue(condition, action, triesLeft - 1);
    });
}

// The program's services, but each due box only recorded: shown at once and confirmed, or (with
// `realBoxes`) the system's box, or refused while `refusals` lasts.
class CRecordingServices : public CAppTimerServices {
public:
    using CAppTimerServices::CAppTimerServices;
    bool realBoxes = false;
    int refusals = 0;
    std::vector<std::string> shown;
    std::function<void()> onShown;  // before the box runs, its text recorded

protected:
    int RunMessageBox(HWND owner, const std::string& text) override
    {
        if (refusals > 0) {
            --refusals;
            return 0;
        }
        shown.push_back(text);
        if (onShown)
            onShown();
        return realBoxes ? CAppTimerServices::RunMessageBox(owner, text) : IDOK;
    }
};

// The Windows host with a clock the test sets.
class CSetClockHost : public CWin32CoreHost {
public:
    void SetNow(const std::string& text) { ParseGermanDateTime(text, m_now); }
    CDateTime Now() const override { return m_now; }

private:
    CDateTime m_now;
};

// The client area of `window` as the screen shows it.
e2e::ScreenImage ClientPixels(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return e2e::ScreenImage::Capture(client);
}

bool SamePixels(const e2e::ScreenImage& a, const e2e::ScreenImage& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.At(x, y) != b.At(x, y))
                return false;
    return true;
}

// The description of a due message "Text!\n(date)".
std::string DescriptionOf(const std::string& message)
{
    return message.substr(0, message.find("!\n("));
}

class TimerWndSafetyTest : public ::testing::Test {
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
    void StorePlacement(const WINDOWPLACEMENT& placement)
    {
        ASSERT_TRUE(profile.OpenSection("MainWnd"));
        profile.WriteBinary("Placement", sizeof(placement), &placement);
        profile.CloseSection();
    }
    void StoreTermine(const std::vector<std::string>& texts)
    {
        ASSERT_TRUE(profile.OpenSection("Termine"));
        for (size_t i = 0; i < texts.size(); ++i)
            profile.WriteString("t00" + std::to_string(i), texts[i]);
        profile.CloseSection();
    }
    std::vector<std::string> StoredTermine()
    {
        std::vector<std::string> names;
        profile.ListValueNames("Termine", names);
        std::sort(names.begin(), names.end());
        std::vector<std::string> texts;
        profile.OpenSection("Termine");
        for (const auto& name : names)
            texts.push_back(profile.GetString(name, "?"));
        profile.CloseSection();
        return texts;
    }
    void Open(CTimerServices& with)
    {
        window = std::make_unique<CTimerWnd>(profile, with);
        ASSERT_TRUE(window->Create());
        handle = window->Handle();
    }
    void Open() { Open(services); }
    // What a session's end would save now, the window staying open.
    std::vector<std::string> SavedNow()
    {
        SendMessageA(handle, WM_ENDSESSION, TRUE, 0);
        return StoredTermine();
    }
    // The window is on the screen, shown normally, and has the size of its text.
    void ExpectSeen()
    {
        PumpUntil([] { return false; }, 30);
        EXPECT_TRUE(IsWindowVisible(handle));
        EXPECT_FALSE(IsIconic(handle));
        RECT rect{};
        GetWindowRect(handle, &rect);
        EXPECT_NE(MonitorFromRect(&rect, MONITOR_DEFAULTTONULL), nullptr)
            << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
        const SIZE surface = ClientSizeFor(e2e::kNoAppointment);
        const SIZE frame = e2e::FrameExtent();
        EXPECT_EQ(rect.right - rect.left, surface.cx + frame.cx);
        EXPECT_EQ(rect.bottom - rect.top, surface.cy + frame.cy);
        EXPECT_GT(surface.cx, 20);
    }
    RECT WindowRect() const
    {
        RECT rect{};
        GetWindowRect(handle, &rect);
        return rect;
    }

    CRecordingApp app;
    CWin32CoreHost host;
    CAppTimerServices services{app, host};
    orv::Windows::CRegistryProfile profile;
    std::unique_ptr<CTimerWnd> window;
    HWND handle = nullptr;
};

}  // namespace

TEST_F(TimerWndSafetyTest, EmptyOrInvertedRectangleStartsAt20x20)
{
    for (const RECT bad : {RECT{0, 0, 0, 0}, RECT{400, 300, 200, 340}, RECT{400, 300, 600, 280}}) {
        StorePlacement(Placement(SW_SHOWNORMAL, bad));
        Open();
        ExpectSeen();
        EXPECT_EQ(WindowRect().left, 20);
        EXPECT_EQ(WindowRect().top, 20);
        DestroyWindow(handle);
    }
}

TEST_F(TimerWndSafetyTest, MinimisedOrHiddenStateIsShownNormallyWhereItWas)
{
    for (const UINT showCmd : {SW_SHOWMINIMIZED, SW_HIDE, SW_MINIMIZE}) {
        StorePlacement(Placement(showCmd, RECT{300, 200, 500, 240}));
        Open();
        ExpectSeen();
        EXPECT_EQ(WindowRect().left, 300) << showCmd;
        EXPECT_EQ(WindowRect().top, 200) << showCmd;
        DestroyWindow(handle);
    }
}

TEST_F(TimerWndSafetyTest, RectangleOffEveryMonitorIsMovedOntoTheNearest)
{
    StorePlacement(Placement(SW_SHOWNORMAL, RECT{-5000, 30, -4800, 70}));
    Open();
    ExpectSeen();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromWindow(handle, MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_EQ(WindowRect().left, monitor.rcWork.left);
    EXPECT_EQ(WindowRect().top, 30);
}

TEST_F(TimerWndSafetyTest, TinyRectanglePaintsAndTakesTheSizeOfItsText)
{
    StorePlacement(Placement(SW_SHOWNORMAL, RECT{100, 120, 101, 121}));
    Open();
    ExpectSeen();
    EXPECT_EQ(WindowRect().left, 100);
    EXPECT_EQ(WindowRect().top, 120);
}

TEST_F(TimerWndSafetyTest, WhatIsSavedAtCloseIsWhatWasOnTheScreen)
{
    StorePlacement(Placement(SW_SHOWMINIMIZED, RECT{0, 0, 0, 0}));
    Open();
    ExpectSeen();
    const RECT shown = WindowRect();
    PostMessageA(handle, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(handle); }));
    ASSERT_TRUE(profile.OpenSection("MainWnd"));
    WINDOWPLACEMENT saved{};
    EXPECT_EQ(profile.GetBinary("Placement", sizeof(saved), nullptr, &saved), 0);
    profile.CloseSection();
    EXPECT_EQ(saved.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    EXPECT_TRUE(EqualRect(&saved.rcNormalPosition, &shown));
}

TEST_F(TimerWndSafetyTest, CloseWhileDueMessagesAreOpenEndsThemSavesAndGoes)
{
    const std::string future = DayText(30) + ";0;0;Später";
    StoreTermine({DayText(-2) + ";0;0;Erster", DayText(-1) + ";0;0;Zweiter", future});
    Open();
    // The first tick opens a message; a later tick, run by that message's own loop, the second
    // one on top of it.
    std::vector<HWND> boxes;
    WhenTrue([] { return MessageBoxes().size() >= 2; },
             [&] {
                 boxes = MessageBoxes();
                 PostMessageA(handle, WM_CLOSE, 0, 0);
             });
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(handle); }, 800));
    ASSERT_EQ(boxes.size(), 2u);
    for (HWND box : boxes)
        EXPECT_FALSE(IsWindow(box));
    // Both were shown, so both count as announced: handled, and the list saved so.
    const std::vector<std::string> stored = StoredTermine();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_NE(stored[0].find("Später"), std::string::npos) << stored[0];
}

TEST_F(TimerWndSafetyTest, WindowKeepsCountingBehindAnOpenDueMessage)
{
    StoreTermine({DayText(-1) + ";0;0;Fällig", DayText(30) + ";0;0;Später"});
    Open();
    e2e::ScreenImage before, after;
    bool done = false;
    WhenTrue([] { return !MessageBoxes().empty(); },
             [&] {
                 // Out of the way, so that the window's pixels are its own once it has repainted.
                 for (HWND box : MessageBoxes())
                     SetWindowPos(box, nullptr, 700, 600, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                 AfterDelay(300, [&] {
                     before = ClientPixels(handle);
                     AfterDelay(1300, [&] {
                         after = ClientPixels(handle);
                         for (HWND box : MessageBoxes())
                             PostMessageA(box, WM_COMMAND, IDOK, 0);
                         done = true;
                     });
                 });
             });
    ASSERT_TRUE(PumpUntil([&] { return done && MessageBoxes().empty(); }, 800));
    EXPECT_FALSE(before.Empty());
    EXPECT_FALSE(SamePixels(before, after)) << "no repaint while the message was open";
}

TEST_F(TimerWndSafetyTest, DestroyedWhileADueMessageIsOpenTheObjectOutlivesTheLoop)
{
    const std::string future = DayText(30) + ";0;0;Später";
    StoreTermine({DayText(-1) + ";0;0;Fällig", future});
    Open();
    bool destroyed = false;
    // Not through WM_CLOSE: the window goes at once, its message box with it.
    WhenTrue([] { return !MessageBoxes().empty(); },
             [&] {
                 DestroyWindow(handle);
                 destroyed = true;
             });
    ASSERT_TRUE(PumpUntil([&] { return destroyed && MessageBoxes().empty(); }, 800));
    EXPECT_FALSE(IsWindow(handle));
    const std::vector<std::string> stored = StoredTermine();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_NE(stored[0].find("Später"), std::string::npos) << stored[0];
}

TEST_F(TimerWndSafetyTest, RefusedMessageLeavesItsAppointmentForALaterTick)
{
    const std::string due = DayText(-1) + ";0;0;Fällig";
    const std::string future = DayText(30) + ";0;0;Später";
    // The system refuses the first boxes and then shows one; or refuses every box until the
    // window is closed, which keeps the appointment for the next start.
    for (const bool refuseAll : {false, true}) {
        CRecordingServices refusing(app, host);
        // Checked while a few refusals are left: a slow machine may take several ticks at once.
        refusing.refusals = refuseAll ? 1000 : 6;
        StoreTermine({due, future});
        Open(refusing);
        ASSERT_TRUE(PumpUntil([&] { return refusing.refusals <= (refuseAll ? 996 : 4); }));
        EXPECT_EQ(SavedNow().size(), 2u) << "refused, yet gone";
        EXPECT_TRUE(refusing.shown.empty());
        if (refuseAll) {
            PostMessageA(handle, WM_CLOSE, 0, 0);
            ASSERT_TRUE(PumpUntil([&] { return !IsWindow(handle); }));
            EXPECT_EQ(StoredTermine().size(), 2u);
            window.reset();
            continue;
        }
        // A later tick shows it, once.
        ASSERT_TRUE(PumpUntil([&] { return !refusing.shown.empty(); }));
        PumpUntil([] { return false; }, 30);
        EXPECT_EQ(refusing.shown, std::vector<std::string>{"Fällig!\n(" + DayText(-1) + ")"});
        EXPECT_EQ(SavedNow().size(), 1u);
        DestroyWindow(handle);
        window.reset();
    }
}

TEST_F(TimerWndSafetyTest, FortyDueAndACloseAfterTheFirstBoxLoseNoneAndTheNextStartShowsTheRest)
{
    const std::string yesterday = DayText(-1).substr(0, 10);
    std::vector<std::string> stored;
    std::set<std::string> all;
    for (int i = 0; i < 40; ++i) {
        const std::string description = orv::Format("Termin %02d", i);
        all.insert(description);
        stored.push_back(orv::Format("%s 10:%02d:00;0;0;%s", yesterday.c_str(), i, description.c_str()));
    }
    stored.push_back(DayText(30) + ";0;0;Später");
    StoreTermine(stored);
    const auto storedDescriptions = [&] {
        std::set<std::string> descriptions;
        for (const std::string& text : StoredTermine())
            descriptions.insert(text.substr(text.rfind(';') + 1));
        return descriptions;
    };

    // The system's boxes stack up, one per tick, until the close after the first ends them.
    CRecordingServices first(app, host);
    first.realBoxes = true;
    // Posted as the first box comes, not from a timer: a slow machine's boxes, each taking longer
    // than a tick, would keep a timer from firing until all forty were up.
    first.onShown = [&] {
        if (first.shown.size() == 1)
            PostMessageA(handle, WM_CLOSE, 0, 0);
    };
    Open(first);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(handle); }, 800));
    EXPECT_TRUE(MessageBoxes().empty());
    ASSERT_FALSE(first.shown.empty());
    EXPECT_LT(first.shown.size(), 40u) << "the close came too late to test anything";
    std::set<std::string> left = storedDescriptions();
    EXPECT_EQ(left.size(), 41 - first.shown.size());
    for (const std::string& message : first.shown) {
        EXPECT_EQ(left.count(DescriptionOf(message)), 0u) << message << " shown and kept";
        left.insert(DescriptionOf(message));
    }
    left.erase("Später");
    EXPECT_EQ(left, all) << "gone without being shown";

    // The next start shows the rest, each once, and saves an empty list but for the later one.
    CRecordingServices next(app, host);
    Open(next);
    ASSERT_TRUE(PumpUntil([&] { return first.shown.size() + next.shown.size() >= 40; }, 1000));
    PumpUntil([] { return false; }, 30);
    DestroyWindow(handle);
    window.reset();
    std::vector<std::string> shown;
    for (const auto* run : {&first, &next})
        for (const std::string& message : run->shown)
            shown.push_back(DescriptionOf(message));
    EXPECT_EQ(shown.size(), 40u);
    EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()), all);
    EXPECT_EQ(storedDescriptions(), std::set<std::string>{"Später"});
}

TEST_F(TimerWndSafetyTest, SettingsAskedForAgainWhileOpenStillKeepHandledOnesHandled)
{
    CSetClockHost clock;
    clock.SetNow("01.12.2030 12:00:00");
    CRecordingServices services(app, clock);
    StoreTermine({"01.12.2030 12:30:00;0;0;Einmal", "24.12.2030 18:00:00;1;0;Weihnachten"});
    Open(services);
    bool confirmed = false;
    WhenTrue([] { return FindDialog("Einstellungen") != nullptr; },
             [&] {
                 const HWND sheet = FindDialog("Einstellungen");
                 // Asked for again (the tray icon's double-click, the menu): only to the front.
                 SendMessageA(handle, WM_COMMAND, ID_SETTINGS, 0);
                 SendMessageA(handle, WM_COMMAND, ID_APP_ABOUT, 0);
                 clock.SetNow("01.12.2030 12:30:01");
                 WhenTrue([&] { return !services.shown.empty(); },
                          [&, sheet] {
                              AfterDelay(300, [&, sheet] {
                                  PressSheetButton(sheet, PSBTN_OK);
                                  confirmed = true;
                              });
                          });
             });
    PostMessageA(handle, WM_COMMAND, ID_SETTINGS, 0);
    ASSERT_TRUE(PumpUntil([&] { return confirmed && !FindDialog("Einstellungen"); }, 800));
    PumpUntil([] { return false; }, 50);  // a handled one brought back would be due again
    EXPECT_EQ(services.shown, std::vector<std::string>{"Einmal!\n(01.12.2030 12:30:00)"});
    const std::vector<std::string> stored = StoredTermine();
    ASSERT_EQ(stored.size(), 1u) << "saved after the sheet";
    EXPECT_NE(stored[0].find("Weihnachten"), std::string::npos) << stored[0];
    DestroyWindow(handle);
    window.reset();
}
