// The timer window's notification-area icon, whose tooltip shows the whole days left.
#pragma once

#include "platform/TrayIcon.h"

#include <cstdint>
#include <memory>

class CTimerTrayIcon {
public:
    // `icon` replaces the shell's icon record (tests record the shell calls with it).
    explicit CTimerTrayIcon(HWND window, std::unique_ptr<orv::CTrayIcon> icon = nullptr);
    virtual ~CTimerTrayIcon() = default;  // the icon's own destructor removes it

    bool Show(HICON icon, UINT callbackMessage);
    // Rewrites the tooltip only when the count changed; false when the icon is not shown.
    bool SetDays(int32_t days);
    void Remove() { m_icon->Remove(); }

private:
    bool UpdateTip();

    std::unique_ptr<orv::CTrayIcon> m_icon;
    int32_t m_daysShown = -1;
};
