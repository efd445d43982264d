// The timer window's dialogs, the settings sheet and the About dialog, run one at a time:
// asking for one while one is open brings the open one to the front, and a close of the window
// asked for meanwhile closes the open dialog first and the window after it.
#pragma once

#include "platform/ModalLoop.h"

#include <windows.h>

class CSettingsTarget;
class CTerminList;
class CTerminModel;
class CTimerServices;

class CTimerDialogs {
public:
    explicit CTimerDialogs(CTimerServices& services) : m_services(services) {}

    // Runs the sheet over `window` on the appointments page, `model` recording what its due
    // handling does while the sheet runs; false when a dialog was open, which changes nothing.
    bool RunSettings(HWND window, CSettingsTarget& target, CTerminModel& model);
    // Runs the About dialog with its own copy of `termine`; false when a dialog was open.
    bool RunAbout(HWND window, const CTerminList& termine);
    // When a dialog runs: asks it to close, and the window it runs over is closed once it has
    // returned; true then. False when no dialog runs.
    bool CloseOpenDialog();

private:
    bool BringOpenToFront() const;
    INT_PTR Run(HWND window, CModalWnd& dialog);

    CTimerServices& m_services;
    CModalWnd* m_open = nullptr;
    bool m_closeAfter = false;  // the window closes when the open dialog has returned
};
