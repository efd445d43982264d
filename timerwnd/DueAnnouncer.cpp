// Due announcements: a queue of texts shown one box per tick.
#include "timerwnd/DueAnnouncer.h"

#include "timerwnd/TimerServices.h"

void CDueAnnouncer::Add(const std::vector<std::string>& texts)
{
    m_waiting.insert(m_waiting.end(), texts.begin(), texts.end());
}

void CDueAnnouncer::ShowNext(HWND window)
{
    if (m_waiting.empty() || !IsWindow(window))
        return;
    // Taken off before the box opens: ticks run inside its loop and show the ones after it.
    const std::string text = m_waiting.front();
    m_waiting.pop_front();
    SetForegroundWindow(window);
    // A box that went with a destroyed window was shown; only a refused one is tried again.
    if (!m_services.ShowDueMessage(window, text) && IsWindow(window))
        m_waiting.push_front(text);
}
