// Scheme collection: name rules, loading from and saving to the section "Schemata".
#include "settings/SchemaMap.h"

#include "core/Profile.h"
#include "core/SectionJournal.h"

namespace {

// Upper case as the registry folds names, for the characters of code page 1252.
unsigned char FoldCase(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)  // à..þ without ÷
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
    }
}

}  // namespace

bool SameSchemeName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

CSchemaMap::CSchemaMap(orv::CProfile& profile) : m_profile(profile)
{
}

void CSchemaMap::ListNames(std::vector<std::string>& names) const
{
    m_profile.ListValueNames(kSection, names);
}

bool CSchemaMap::LoadSchemes()
{
    // A save that was cut off is finished (or undone) before the section is read.
    orv::CSectionJournal(m_profile, kSection).Recover();
    std::vector<std::string> names;
    ListNames(names);
    return LoadNamed(names);
}

const CDisplaySet* CSchemaMap::Find(const std::string& name) const
{
    const auto found = m_schemes.find(name);
    return found == m_schemes.end() ? nullptr : &found->second;
}

std::map<std::string, CDisplaySet>::iterator CSchemaMap::FindIgnoringCase(const std::string& name)
{
    for (auto it = m_schemes.begin(); it != m_schemes.end(); ++it)
        if (SameSchemeName(it->first, name))
            return it;
    return m_schemes.end();
}

void CSchemaMap::Store(const std::string& name, const CDisplaySet& displaySet)
{
    m_modified = true;
    const auto existing = FindIgnoringCase(name);
    if (existing != m_schemes.end() && existing->first != name)
        m_schemes.erase(existing);
    m_schemes[name] = displaySet;
}

bool CSchemaMap::Remove(const std::string& name)
{
    m_modified = true;
    return m_schemes.erase(name) != 0;
}

bool CSchemaMap::LoadNamed(const std::vector<std::string>& names)
{
    m_schemes.clear();
    m_modified = false;
    if (names.empty())
        return true;
    if (!m_profile.OpenSection(kSection))
        return false;
    // As stored schemes have always been read, a value with an empty type field takes the type
    // read last. Nothing else carries over: a refused colour keeps the default, as in the
    // display settings, never the colour of the scheme read before.
    int32_t lastType = CDisplaySet().m_nDisplayType;
    for (const std::string& name : names) {
        CDisplaySet record;
        record.m_nDisplayType = lastType;
        const bool loaded = record.Load(m_profile, name);
        lastType = record.m_nDisplayType;
        if (loaded && FindIgnoringCase(name) == m_schemes.end())
            m_schemes.emplace(name, record);
    }
    m_profile.CloseSection();
    return true;
}

bool CSchemaMap::SaveSchemes(bool force)
{
    if (!m_modified && !force)
        return true;
    // Whole-section rewrite, so removed schemes leave no stale values behind; journalled, so
    // that a cut leaves the old schemes or the new ones.
    orv::SectionValues values;
    for (const auto& [name, displaySet] : m_schemes)
        values.emplace_back(name, displaySet.FormatText());
    const bool ok = orv::CSectionJournal(m_profile, kSection).Save(values);
    m_modified = !ok;
    return ok;
}
