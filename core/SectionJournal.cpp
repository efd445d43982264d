// Journalled section rewrite: journal, completion mark, section, then the journal goes.
#include "core/SectionJournal.h"

#include "core/Profile.h"

namespace orv {

namespace {

constexpr const char* kCountValue = "Count";

}  // namespace

CSectionJournal::CSectionJournal(CProfile& profile, std::string section)
    : m_profile(profile), m_section(std::move(section))
{
}

bool CSectionJournal::WriteValues(const std::string& section, const SectionValues& values)
{
    if (!m_profile.OpenSection(section))
        return false;
    bool ok = true;
    for (size_t i = 0; ok && i < values.size(); ++i)
        ok = m_profile.WriteString(values[i].first, values[i].second);
    ok = ok && m_profile.Flush();
    m_profile.CloseSection();
    return ok;
}

bool CSectionJournal::ReplaceSection(const SectionValues& values)
{
    m_profile.DeleteSection(m_section);
    // Values that outlive the deletion would be read back as part of the new content.
    std::vector<std::string> left;
    m_profile.ListValueNames(m_section, left);
    return left.empty() && WriteValues(m_section, values);
}

bool CSectionJournal::JournalIsGone()
{
    std::vector<std::string> names;
    m_profile.ListValueNames(MarkSection(), names);
    if (!names.empty())
        return false;
    m_profile.ListValueNames(JournalSection(), names);
    return names.empty();
}

bool CSectionJournal::DropJournal()
{
    // The mark goes first: a journal cut off while being deleted must not look whole.
    m_profile.DeleteSection(MarkSection());
    m_profile.Flush();
    m_profile.DeleteSection(JournalSection());
    m_profile.Flush();
    return JournalIsGone();
}

bool CSectionJournal::Save(const SectionValues& values)
{
    // Leftovers of a save that failed earlier in this session would mix with the new values.
    if (!DropJournal())
        return false;
    if (!WriteValues(JournalSection(), values))
        return false;
    if (!m_profile.OpenSection(MarkSection()))
        return false;
    bool marked = m_profile.WriteInt(kCountValue, static_cast<int32_t>(values.size()));
    marked = marked && m_profile.Flush();
    m_profile.CloseSection();
    if (!marked)
        return false;

    // From here on a cut leaves a complete journal, which the next start copies over.
    if (!ReplaceSection(values))
        return false;
    return DropJournal();
}

bool CSectionJournal::ReadCompleteJournal(SectionValues& values)
{
    std::vector<std::string> markNames;
    m_profile.ListValueNames(MarkSection(), markNames);
    if (markNames.empty())
        return false;
    std::vector<std::string> names;
    m_profile.ListValueNames(JournalSection(), names);
    if (!m_profile.OpenSection(MarkSection()))
        return false;
    const int32_t count = m_profile.GetInt(kCountValue, -1);
    m_profile.CloseSection();
    // A count that does not match means the journal is not what its writer left.
    if (count < 0 || static_cast<size_t>(count) != names.size())
        return false;
    if (!m_profile.OpenSection(JournalSection()))
        return false;
    values.clear();
    for (const std::string& name : names)
        values.emplace_back(name, m_profile.GetString(name, ""));
    m_profile.CloseSection();
    return true;
}

bool CSectionJournal::Recover()
{
    if (JournalIsGone())
        return true;
    SectionValues values;
    if (!ReadCompleteJournal(values))
        return DropJournal();
    if (!ReplaceSection(values))
        return false;  // the journal stays for the next attempt
    return DropJournal();
}

}  // namespace orv
