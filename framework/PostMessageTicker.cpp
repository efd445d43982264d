// Posting ticker: one message per tick to a window that still exists.
#include "framework/PostMessageTicker.h"

namespace orv::Windows {

CPostMessageTicker::~CPostMessageTicker()
{
    StopAndJoin();
}

int32_t CPostMessageTicker::Start(HWND window, UINT message, bool fireNow, LPARAM lParam)
{
    m_hWnd = window;
    m_nMsg = message;
    m_lParam = lParam;
    m_waiting = false;
    return CTickerThread::Start(fireNow);
}

int32_t CPostMessageTicker::OnTick()
{
    const HWND window = m_hWnd;
    if (!IsWindow(window) || m_waiting.exchange(true))
        return 1;
    // A lost message costs one repaint; the next tick posts again.
    if (!PostMessageA(window, m_nMsg, 0, m_lParam))
        m_waiting = false;
    return 1;
}

void CPostMessageTicker::SleepStep(uint32_t milliseconds)
{
    // The C++ runtime's sleep waits on the thread's event, which costs a round trip to the
    // Wine server on every tick; a plain Sleep costs none there and no more on Windows.
    Sleep(milliseconds);
}

}  // namespace orv::Windows
