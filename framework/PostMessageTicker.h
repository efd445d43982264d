// Ticker that turns each tick into a message posted to a window.
#pragma once

#include "core/TickerThread.h"

#include <windows.h>

#include <atomic>

namespace orv::Windows {

class CPostMessageTicker : public CTickerThread {
public:
    CPostMessageTicker() = default;
    ~CPostMessageTicker() override;

    // Keeps a copy of the handle: the worker never touches the window object itself.
    int32_t Start(HWND window, UINT message, bool fireNow, LPARAM lParam);
    // The window says it took a tick. Until then no further one is posted: a thread that was busy
    // finds one tick waiting, not a pile of them, as with a system timer.
    void Received() { m_waiting = false; }

protected:
    int32_t OnTick() override;
    void SleepStep(uint32_t milliseconds) override;

private:
    // Atomic because Start on a running ticker retargets the worker's next tick.
    std::atomic<HWND> m_hWnd{nullptr};
    std::atomic<UINT> m_nMsg{0};
    std::atomic<LPARAM> m_lParam{0};
    std::atomic<bool> m_waiting{false};
};

}  // namespace orv::Windows
