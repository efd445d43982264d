// Tray icon of the timer window: added without a tip, then the days-left tip.
#include "timerwnd/TimerTrayIcon.h"

#include "core/StringUtil.h"
#include "platform/ResourceText.h"
#include "res/resource.h"

CTimerTrayIcon::CTimerTrayIcon(HWND window, std::unique_ptr<orv::CTrayIcon> icon)
    : m_icon(icon ? std::move(icon) : std::make_unique<orv::CTrayIcon>())
{
    m_icon->Init(window, 0);
}

bool CTimerTrayIcon::Show(HICON icon, UINT callbackMessage)
{
    if (!m_icon->Add(icon, nullptr, callbackMessage))
        return false;
    UpdateTip();
    return true;
}

bool CTimerTrayIcon::UpdateTip()
{
    const std::string tip =
        m_daysShown < 0 ? std::string()
                        : orv::Format(LoadResourceText(IDS_TIP_DAYS_LEFT).c_str(), m_daysShown);
    return m_icon->SetTip(tip.c_str());
}

bool CTimerTrayIcon::SetDays(int32_t days)
{
    if (!m_icon->IsShown())
        return false;
    if (days == m_daysShown)
        return true;
    m_daysShown = days;
    return UpdateTip();
}
