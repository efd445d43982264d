// Notification-area icon: add, tooltip, remove, through the shell's first record form.
#include "platform/TrayIcon.h"

#include "platform/LateDlls.h"
#include <cstddef>
#include <cstring>

namespace orv {

// 88 bytes in the 32-bit program; the 64-bit test build has wider handles.
static_assert(CTrayIcon::kRecordSize == offsetof(NOTIFYICONDATAA, szTip) + CTrayIcon::kTipSize,
              "first form of the notification record");
static_assert(sizeof(void*) != 4 || CTrayIcon::kRecordSize == 88, "88 bytes in the 32-bit program");

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
    // The usual reason a removal fails is that the shell no longer has the icon (it restarted),
    // so the icon is added anew whatever the removal said.
    if (m_bShown)
        Remove();
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
    return late::Shell_NotifyIconA(message, data);
}

}  // namespace orv
