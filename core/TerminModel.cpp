// Appointment model: load and save, due handling one appointment at a time, reconciling.
#include "core/TerminModel.h"

#include "core/CoreHost.h"
#include "res/resource.h"

#include <iterator>

CTerminModel::CTerminModel(orv::CProfile& profile, const CCoreHost& host)
    : m_profile(profile), m_host(host), m_emptyText(host.LoadText(IDS_NO_APPOINTMENT))
{
}

bool CTerminModel::Load()
{
    if (!m_termine.Load(m_profile, m_host))
        return false;
    m_composedValid = false;
    m_termine.SetAscending();
    m_termine.Sort();
    return true;
}

bool CTerminModel::Save()
{
    return m_termine.Save(m_profile, m_host);
}

bool CTerminModel::HandleDue(const CDateTime& now, CDueTermin& due)
{
    if (m_termine.IsEmpty() || !(m_termine[0].m_dtTarget <= now))
        return false;
    if (!m_termine.HandleDue(m_dayCount, due))
        return false;
    m_composedValid = false;
    if (m_recordingHandled)
        m_handledWhileEditing.push_back(due.found);
    return true;
}

void CTerminModel::RestoreDue(const CDueTermin& due)
{
    m_termine.RestoreDue(due);
    m_composedValid = false;
    if (!m_recordingHandled)
        return;
    // The last record of it is this one: the ones before were announced.
    for (auto it = m_handledWhileEditing.rbegin(); it != m_handledWhileEditing.rend(); ++it) {
        if (SameTermin(*it, due.found)) {
            m_handledWhileEditing.erase(std::next(it).base());
            break;
        }
    }
}

const std::string& CTerminModel::ComposeText(const CDateTime& now, int displayType)
{
    if (m_composedValid && now == m_composedAt && displayType == m_composedType)
        return m_composed;
    m_composed = m_termine.ComposeText(now, displayType, m_dayCount, m_emptyText, m_host);
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
