// Appointment model: load and save, due handling that returns its announcements, reconciling.
#include "core/TerminModel.h"

#include "core/CoreHost.h"
#include "core/StringUtil.h"
#include "res/resource.h"

CTerminModel::CTerminModel(orv::CProfile& profile, const CCoreHost& host)
    : m_profile(profile), m_host(host), m_emptyText(host.LoadText(IDS_NO_APPOINTMENT))
{
}

bool CTerminModel::Load()
{
    if (!m_termine.Load(m_profile))
        return false;
    m_composedValid = false;
    m_termine.SetAscending();
    m_termine.Sort();
    return true;
}

bool CTerminModel::Save()
{
    return m_termine.Save(m_profile);
}

std::vector<std::string> CTerminModel::HandleDue(const CDateTime& now)
{
    const std::vector<CDueTermin> handled = m_termine.HandleDueAppointments(now, m_dayCount);
    if (handled.empty())
        return {};
    m_composedValid = false;
    const std::string dateFormat = m_host.LoadText(IDS_DUE_DATE_FORMAT);
    std::vector<std::string> announcements;
    announcements.reserve(handled.size());
    for (const CDueTermin& due : handled) {
        if (m_recordingHandled)
            m_handledWhileEditing.push_back(due.found);
        const std::string when = due.announced.m_dtTarget.Format(dateFormat.c_str());
        announcements.push_back(
            orv::Format("%s!\n(%s)", due.announced.m_strDescription.c_str(), when.c_str()));
    }
    return announcements;
}

const std::string& CTerminModel::ComposeText(const CDateTime& now, int displayType)
{
    if (m_composedValid && now == m_composedAt && displayType == m_composedType)
        return m_composed;
    m_composed = m_termine.ComposeText(now, displayType, m_dayCount, m_emptyText);
    m_composedAt = now;
    m_composedType = displayType;
    m_composedValid = true;
    return m_composed;
}

void CTerminModel::StartRecordingHandled()
{
    m_recordingHandled = true;
    m_handledWhileEditing.clear();
}

void CTerminModel::StopRecordingHandled()
{
    m_recordingHandled = false;
    m_handledWhileEditing.clear();
}

void CTerminModel::TakeEdited(const CTerminList& edited)
{
    m_termine = edited;
    m_composedValid = false;
    m_termine.ApplyHandled(m_handledWhileEditing);
    m_termine.m_bModified = true;
    m_termine.SetAscending();
    m_termine.Sort();
}
