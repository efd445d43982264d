// Announces handled due appointments: one modal information box per appointment over the timer
// window, brought to the front, after the model has finished changing the list.
#pragma once

#include <windows.h>

#include <deque>
#include <string>
#include <vector>

class CTimerServices;

class CDueAnnouncer {
public:
    explicit CDueAnnouncer(CTimerServices& services) : m_services(services) {}

    void Add(const std::vector<std::string>& texts);
    // Shows the next waiting announcement over `window` and returns when its box is closed.
    // Called on every tick: while a box is open, the next tick opens the next one on top, as
    // every due appointment has a box of its own. A box the system refuses waits for a later
    // tick.
    void ShowNext(HWND window);
    bool IsWaiting() const { return !m_waiting.empty(); }

private:
    CTimerServices& m_services;
    std::deque<std::string> m_waiting;
};
