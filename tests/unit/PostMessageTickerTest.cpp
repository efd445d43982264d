// Posting ticker: a live window gets one tick waiting at a time, a destroyed one none.
#include "framework/PostMessageTicker.h"

#include "TestWindow.h"

#include <gtest/gtest.h>

#include <vector>

using orv::Windows::CPostMessageTicker;

namespace {

constexpr UINT kTickMessage = WM_USER + 1;

// Takes the tick messages for `window` off this thread's queue for at most `limitMs`, telling
// `ticker` of each, stopping early once `enough` have arrived (0: use the whole time).
std::vector<MSG> Pump(CPostMessageTicker& ticker, HWND window, DWORD limitMs, size_t enough = 0)
{
    std::vector<MSG> received;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < limitMs && (enough == 0 || received.size() < enough)) {
        MSG msg;
        while (PeekMessageA(&msg, window, kTickMessage, kTickMessage, PM_REMOVE)) {
            received.push_back(msg);
            ticker.Received();
        }
        Sleep(10);
    }
    return received;
}

}  // namespace

TEST(PostMessageTicker, PostsTheMessageWithItsLParamAboutEveryInterval)
{
    CTestWindow window;
    ASSERT_NE(window.Handle(), nullptr);
    CPostMessageTicker ticker;
    ticker.SetInterval(120, true);
    ticker.SetStep(120);
    const DWORD start = GetTickCount();
    ASSERT_EQ(ticker.Start(window.Handle(), kTickMessage, false, 1), 0);
    const std::vector<MSG> received = Pump(ticker, window.Handle(), 5000, 4);
    const DWORD took = GetTickCount() - start;
    EXPECT_EQ(ticker.Stop(), 0);

    ASSERT_GE(received.size(), 4u);
    for (const MSG& msg : received) {
        EXPECT_EQ(msg.hwnd, window.Handle());
        EXPECT_EQ(msg.wParam, 0u);
        EXPECT_EQ(msg.lParam, 1);
    }
    // Four ticks need three whole intervals of sleep.
    EXPECT_GE(took + 20, 3u * 120u);
}

TEST(PostMessageTicker, PostsNothingOnceTheWindowIsDestroyed)
{
    CTestWindow window;
    const HWND handle = window.Handle();
    CPostMessageTicker ticker;
    ticker.SetInterval(20, true);
    ticker.SetStep(20);
    ASSERT_EQ(ticker.Start(handle, kTickMessage, false, 7), 0);
    ASSERT_FALSE(Pump(ticker, handle, 5000, 1).empty());

    window.Destroy();
    Pump(ticker, nullptr, 100);  // whatever was posted while it still existed
    MSG msg;
    Sleep(300);          // many ticks' worth
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, kTickMessage, kTickMessage, PM_REMOVE));
    EXPECT_EQ(ticker.GetState(), CPostMessageTicker::Running);
    EXPECT_EQ(ticker.Stop(), 0);
}

TEST(PostMessageTicker, ATickNotYetTakenHoldsBackTheNext)
{
    CTestWindow window;
    CPostMessageTicker ticker;
    ticker.SetInterval(20, true);
    ticker.SetStep(20);
    ASSERT_EQ(ticker.Start(window.Handle(), kTickMessage, false, 1), 0);
    Sleep(300);  // many ticks' worth, none taken
    MSG msg;
    int waiting = 0;
    while (PeekMessageA(&msg, window.Handle(), kTickMessage, kTickMessage, PM_REMOVE))
        ++waiting;
    EXPECT_EQ(waiting, 1);
    ticker.Received();
    EXPECT_EQ(Pump(ticker, window.Handle(), 5000, 1).size(), 1u) << "taken, the next one comes";
    EXPECT_EQ(ticker.Stop(), 0);
}
