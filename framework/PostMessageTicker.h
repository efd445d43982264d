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

protected:
    int32_t OnTick() override;
    void SleepStep(uint32_t milliseconds) override;

private:
    // Atomic because Start on a running ticker retargets the worker's next tick.
    std::atomic<HWND> m_hWnd{nullptr};
    std::atomic<UINT> m_nMsg{0};
    std::atomic<LPARAM> m_lParam{0};
};

}  // namespace orv::Windows
