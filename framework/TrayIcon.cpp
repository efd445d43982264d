// Notification-area icon: add, tooltip, remove, through the shell's first record form.
#include "framework/TrayIcon.h"

#include <cstring>

namespace orv {

static_assert(CTrayIcon::kRecordSize == 88, "first form of the notification record");

CTrayIcon::CTrayIcon()
{
    Init(nullptr, 0);
}

CTrayIcon::~CTrayIcon()
{
    Remove();
}

void CTrayIcon::Init(HWND window, UINT iconId)
{
    std::memset(&m_data, 0, sizeof(m_data));
    m_data.cbSize = kRecordSize;
    m_data.hWnd = window;
    m_data.uID = iconId;
    m_bShown = false;
}

bool CTrayIcon::Add(HICON icon, const char* tip, UINT callbackMessage)
{
    // A refused removal leaves the old icon registered; a second one for the same window and id
    // would be refused and the old one forgotten, so keep tracking it instead.
    if (m_bShown && Remove())
        return false;
    m_data.uFlags = NIF_ICON;
    m_data.hIcon = icon;
    if (tip) {
        m_data.uFlags |= NIF_TIP;
        CopyTip(tip);
    }
    if (callbackMessage) {
        m_data.uFlags |= NIF_MESSAGE;
        m_data.uCallbackMessage = callbackMessage;
    }
    m_bShown = NotifyShell(NIM_ADD, &m_data) != FALSE;
    return m_bShown;
}

bool CTrayIcon::Remove()
{
    if (!m_bShown)
        return false;
    m_data.uFlags = 0;
    if (NotifyShell(NIM_DELETE, &m_data))
        m_bShown = false;
    return m_bShown;
}

bool CTrayIcon::SetTip(const char* tip)
{
    if (!m_bShown)
        return false;
    m_data.uFlags = NIF_TIP;
    if (tip)
        CopyTip(tip);
    else
        std::memset(m_data.szTip, 0, kTipSize);
    return NotifyShell(NIM_MODIFY, &m_data) != FALSE;
}

void CTrayIcon::CopyTip(const char* tip)
{
    // strncpy fills the rest with zero bytes; the last of the 64 stays zero.
    std::strncpy(m_data.szTip, tip, kTipSize - 1);
    m_data.szTip[kTipSize - 1] = '\0';
}

BOOL CTrayIcon::NotifyShell(DWORD message, NOTIFYICONDATAA* data)
{
    return Shell_NotifyIconA(message, data);
}

}  // namespace orv
