// Appointment list: registry form, sorting, removal and the due handling.
#include "core/TerminList.h"

#include "core/CoreHost.h"
#include "core/RemainingText.h"
#include "core/Profile.h"
#include "core/StringUtil.h"
#include "res/resource.h"

#include <algorithm>

using orv::Format;

namespace {

std::string ValueName(size_t index)
{
    return Format("t%03u", static_cast<unsigned>(index));
}

}  // namespace

void CTerminList::SetSize(size_t count)
{
    if (count == 0) {
        std::vector<CTermin>().swap(m_items);
        return;
    }
    m_items.resize(count);
}

int CTerminList::RemoveIndices(CIndexArray& indices)
{
    if (indices.GetSize() == 0)
        return 0;
    if (indices.GetSize() > 1) {
        // Highest index first keeps the remaining ones valid.
        const int32_t ascending = indices.IsAscending();
        indices.SetDescending();
        indices.Sort();
        if (ascending)
            indices.SetAscending();
    }
    for (const int32_t index : indices.Indices()) {
        m_bModified = 1;
        if (index >= 0 && static_cast<size_t>(index) < m_items.size())
            m_items.erase(m_items.begin() + index);
    }
    m_bModified = 1;
    return 1;
}

void CTerminList::Sort()
{
    if (m_items.size() < 2)
        return;
    if (m_bAscending)
        std::sort(m_items.begin(), m_items.end());
    else
        std::sort(m_items.begin(), m_items.end(),
                  [](const CTermin& a, const CTermin& b) { return b < a; });
}

bool CTerminList::Load(orv::CProfile& profile)
{
    if (!profile.OpenSection(kSection))
        return false;
    m_bModified = 1;
    SetSize(0);
    for (size_t i = 0;; ++i) {
        CTermin termin;
        if (!termin.ParseText(profile.GetString(ValueName(i), "")))
            break;
        m_items.push_back(termin);
    }
    profile.CloseSection();
    m_bModified = 0;
    return true;
}

bool CTerminList::Save(orv::CProfile& profile, bool force)
{
    if (!m_bModified && !force)
        return true;
    profile.DeleteSection(kSection);
    bool ok = profile.OpenSection(kSection);
    for (size_t i = 0; ok && i < m_items.size(); ++i)
        ok = profile.WriteString(ValueName(i), m_items[i].FormatText());
    profile.CloseSection();
    m_bModified = ok ? 0 : 1;
    return ok;
}

int CTerminList::HandleDueAppointments(const CDateTime& now, int32_t& dayCount)
{
    int handled = 0;
    while (!m_items.empty() && m_items.front().m_dtTarget <= now && CoreHost().HasMainWindow()) {
        HandleDue(dayCount);
        ++handled;
    }
    return handled;
}

std::string CTerminList::ComposeText(const CDateTime& now, int displayType, int32_t& dayCount) const
{
    if (m_items.empty()) {
        dayCount = -1;
        return CoreHost().LoadText(IDS_NO_APPOINTMENT);
    }
    const CTermin& first = m_items.front();
    return ComposeRemainingText(first.m_dtTarget - now, first, displayType, dayCount);
}

std::string CTerminList::UpdateStep(const CDateTime& now, int displayType, int32_t& dayCount)
{
    HandleDueAppointments(now, dayCount);
    return ComposeText(now, displayType, dayCount);
}

void CTerminList::HandleDue(int32_t& dayCount)
{
    if (m_items.empty())
        return;
    CTermin due = m_items.front();
    const CDateTime next = due.m_bYearly ? due.m_dtTarget.NextYear() : CDateTime();
    m_bModified = 1;
    if (due.m_bYearly && next.IsValid()) {
        due.m_dtTarget = next;
        m_items.front() = due;
        Sort();
    } else {
        // One-time, or a yearly one that cannot move on (past the last valid year): it goes,
        // so the due loop always ends.
        m_items.erase(m_items.begin());
    }
    dayCount = -1;
    const std::string when = due.m_dtTarget.Format(CoreHost().LoadText(IDS_DUE_DATE_FORMAT).c_str());
    CoreHost().ShowDueMessage(Format("%s!\n(%s)", due.m_strDescription.c_str(), when.c_str()));
}
