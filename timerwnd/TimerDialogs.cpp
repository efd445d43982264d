// Running the timer window's dialogs modally: the open one's frame is on the window's stack, so
// a close waits for it.
#include "timerwnd/TimerDialogs.h"

#include "core/CoreHost.h"
#include "core/TerminModel.h"
#include "res/resource.h"
#include "sheet/InfoDlg.h"
#include "sheet/SettingsDlg.h"
#include "timerwnd/TimerServices.h"

bool CTimerDialogs::RunSettings(HWND window, CSettingsTarget& target, CTerminModel& model)
{
    if (BringOpenToFront())
        return false;
    // For this sheet alone: a request while it runs ended above and leaves its recording be.
    const CTerminModel::CRecordingHandled recording(model);
    CSettingsDlg sheet(m_services, IDS_SETTINGS_CAPTION, window);
    sheet.Run(target, [this, window](CModalWnd& dialog) { return Run(window, dialog); });
    return true;
}

bool CTimerDialogs::RunAbout(HWND window, const CTerminList& termine)
{
    if (BringOpenToFront())
        return false;
    CInfoDlg dialog(m_services, window, m_services.Host().Now());
    dialog.Termine() = termine;
    Run(window, dialog);
    return true;
}

bool CTimerDialogs::CloseOpenDialog()
{
    if (!m_open)
        return false;
    m_closeAfter = true;
    if (const HWND open = m_open->Handle())
        PostMessageA(open, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

bool CTimerDialogs::BringOpenToFront() const
{
    if (!m_open)
        return false;
    if (const HWND open = m_open->Handle())
        SetForegroundWindow(open);
    return true;
}

INT_PTR CTimerDialogs::Run(HWND window, CModalWnd& dialog)
{
    m_open = &dialog;
    const INT_PTR result = m_services.RunModal(dialog);
    m_open = nullptr;
    if (m_closeAfter) {
        m_closeAfter = false;
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    return result;
}
