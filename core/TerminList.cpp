// Appointment list: registry form, sorting, removal and the due handling.
#include "core/TerminList.h"

#include "core/RemainingText.h"
#include "core/Profile.h"
#include "core/SectionJournal.h"
#include "core/StringUtil.h"

#include <algorithm>
#include <optional>

using orv::Format;

namespace {

std::string ValueName(size_t index)
{
    return Format("t%03u", static_cast<unsigned>(index));
}

// The digits of a value name "t" + digits without leading zeros; false for any other name.
bool NumberOfName(const std::string& name, std::string& number)
{
    if (name.size() < 2 || (name[0] != 't' && name[0] != 'T'))
        return false;
    for (size_t i = 1; i < name.size(); ++i)
        if (name[i] < '0' || name[i] > '9')
            return false;
    const size_t first = name.find_first_not_of('0', 1);
    number = first == std::string::npos ? std::string() : name.substr(first);
    return true;
}

// The appointment value names of a section in number order. Compared as digit strings, so no
// number is too long; t01 and t001 (the same number) keep a fixed order by name.
std::vector<std::string> AppointmentNames(const std::vector<std::string>& names)
{
    std::vector<std::pair<std::string, std::string>> numbered;
    std::string number;
    for (const std::string& name : names)
        if (NumberOfName(name, number))
            numbered.emplace_back(number, name);
    std::sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) {
        if (a.first.size() != b.first.size())
            return a.first.size() < b.first.size();
        return a.first != b.first ? a.first < b.first : a.second < b.second;
    });
    std::vector<std::string> ordered;
    for (const auto& entry : numbered)
        ordered.push_back(entry.second);
    return ordered;
}

}  // namespace

void CTerminList::AddAll(const CTerminList& other)
{
    m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
}

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
        m_bModified = true;
        if (index >= 0 && static_cast<size_t>(index) < m_items.size())
            m_items.erase(m_items.begin() + index);
    }
    m_bModified = true;
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

bool CTerminList::Load(orv::CProfile& profile, const CCoreHost& host)
{
    // A failed repair leaves its journal for the next start; the section is read as it is.
    orv::CSectionJournal(profile, kSection).Recover();
    if (!profile.OpenSection(kSection))
        return false;
    std::vector<std::string> names;
    profile.ListValueNames(kSection, names);
    m_bModified = true;
    SetSize(0);
    // One damaged value must not hide the ones after it: it is skipped, and as it is not
    // written back, the next save drops it.
    for (const std::string& name : AppointmentNames(names)) {
        CTermin termin;
        if (termin.ParseText(profile.GetString(name, ""), host))
            m_items.push_back(termin);
    }
    profile.CloseSection();
    m_bModified = false;
    return true;
}

bool CTerminList::Save(orv::CProfile& profile, const CCoreHost& host, bool force)
{
    if (!m_bModified && !force)
        return true;
    orv::SectionValues values;
    values.reserve(m_items.size());
    for (size_t i = 0; i < m_items.size(); ++i)
        values.emplace_back(ValueName(i), m_items[i].FormatText(host));
    const bool ok = orv::CSectionJournal(profile, kSection).Save(values);
    m_bModified = !ok;
    return ok;
}

namespace {

// Where a handled appointment goes: a yearly one a calendar year on; a one-time one, or a yearly
// one past the last representable year, nowhere (it is removed).
std::optional<CDateTime> MovedOn(const CTermin& handled)
{
    if (!handled.m_bYearly)
        return std::nullopt;
    const CDateTime next = handled.m_dtTarget.NextYear();
    return next.IsValid() ? std::optional<CDateTime>(next) : std::nullopt;
}

}  // namespace

void CTerminList::ApplyHandled(const std::vector<CTermin>& handled)
{
    for (const CTermin& done : handled) {
        const auto found = std::find_if(m_items.begin(), m_items.end(),
                                        [&](const CTermin& t) { return SameTermin(t, done); });
        if (found == m_items.end())
            continue;  // edited or deleted meanwhile: the edit stands
        m_bModified = true;
        if (const std::optional<CDateTime> next = MovedOn(done))
            found->m_dtTarget = *next;
        else
            m_items.erase(found);
    }
}

std::string CTerminList::ComposeText(const CDateTime& now, int displayType, int32_t& dayCount,
                                     const std::string& emptyText, const CCoreHost& host) const
{
    if (m_items.empty()) {
        dayCount = -1;
        return emptyText;
    }
    const CTermin& first = m_items.front();
    return ComposeRemainingText(first.m_dtTarget - now, first, displayType, dayCount, host);
}

bool CTerminList::HandleDue(int32_t& dayCount, CDueTermin& due)
{
    if (m_items.empty())
        return false;
    due.found = m_items.front();
    due.announced = due.found;
    const std::optional<CDateTime> next = MovedOn(due.found);
    m_bModified = true;
    due.removed = !next;
    if (due.removed) {
        m_items.erase(m_items.begin());
    } else {
        due.announced.m_dtTarget = *next;
        m_items.front() = due.announced;
        Sort();
    }
    dayCount = -1;
    return true;
}

void CTerminList::RestoreDue(const CDueTermin& due)
{
    m_bModified = true;
    if (!due.removed) {
        const auto moved = std::find_if(m_items.begin(), m_items.end(), [&](const CTermin& t) {
            return SameTermin(t, due.announced);
        });
        if (moved == m_items.end())
            return;  // edited meanwhile: the edit stands
        m_items.erase(moved);
    }
    // First among its equals, where it was: the next due handling finds it again first.
    if (m_bAscending) {
        m_items.insert(std::lower_bound(m_items.begin(), m_items.end(), due.found), due.found);
    } else {
        m_items.push_back(due.found);
        Sort();
    }
}
