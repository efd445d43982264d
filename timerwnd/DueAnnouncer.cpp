// Due announcements: one appointment out of the model per box, put back when the box is refused.
#include "timerwnd/DueAnnouncer.h"

#include "core/CoreHost.h"
#include "core/StringUtil.h"
#include "core/TerminModel.h"
#include "res/resource.h"
#include "timerwnd/TimerServices.h"

bool CDueAnnouncer::Announce(HWND window, CTerminModel& model, const CDueTermin& due)
{
    if (!IsWindow(window)) {
        model.RestoreDue(due);
        return false;
    }
    const std::string text = TextOf(due);
    SetForegroundWindow(window);
    // A box that went with a destroyed window was shown; only a refused one is tried again.
    if (m_services.ShowDueMessage(window, text) || !IsWindow(window))
        return true;
    model.RestoreDue(due);
    return false;
}

std::string CDueAnnouncer::TextOf(const CDueTermin& due) const
{
    const std::string when =
        due.announced.m_dtTarget.Format(m_services.Host().LoadText(IDS_DUE_DATE_FORMAT).c_str());
    return orv::Format("%s!\n(%s)", due.announced.m_strDescription.c_str(), when.c_str());
}
