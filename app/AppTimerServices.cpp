// Due messages: the system's information box, owned like every other message.
#include "app/AppTimerServices.h"

#include "core/CoreHost.h"
#include "res/resource.h"

bool CAppTimerServices::ShowDueMessage(HWND window, const std::string& text)
{
    // The window that owns messages now: the timer window, or the dialog running over it.
    const HWND owner = m_app.GetOwnerHandle() ? m_app.GetOwnerHandle() : window;
    return RunMessageBox(owner, text) != 0;
}

int CAppTimerServices::RunMessageBox(HWND owner, const std::string& text)
{
    // 0 when the system refuses the box (too many open, no memory for it).
    return MessageBoxA(owner, text.c_str(), m_host.LoadText(IDS_APP_NAME).c_str(),
                       MB_OK | MB_ICONINFORMATION);
}
