// Announces due appointments: one modal information box per appointment over the timer window,
// brought to the front. The model hands each appointment out only as its box opens, so the list
// holds every appointment not yet announced, whenever it is saved.
#pragma once

#include <windows.h>

#include <string>

class CDateTime;
class CTerminModel;
class CTimerServices;
struct CDueTermin;

class CDueAnnouncer {
public:
    explicit CDueAnnouncer(CTimerServices& services) : m_services(services) {}

    // Shows the box of what `model` has just handed out (HandleDue) over `window` and returns when
    // the box is closed; true then. Called on every tick that hands one out: while a box is open,
    // the next tick opens the next one on top, as every due appointment has a box of its own.
    // A box the system refuses puts its appointment back for a later tick.
    bool Announce(HWND window, CTerminModel& model, const CDueTermin& due);
    // "Weihnachten!\n(24.12.2022 18:00:00)": the description and the moment announced.
    std::string TextOf(const CDueTermin& due) const;

private:
    CTimerServices& m_services;
};
