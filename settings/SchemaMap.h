// The named display schemes ("Schemata") and their registry section.
#pragma once

#include "settings/DisplaySet.h"

#include <map>
#include <string>
#include <vector>

namespace orv {
class CProfile;
}

// Registry value names ignore letter case, scheme names keep it. Two names that differ only in
// case would share one registry value, so the map never holds both: storing such a name
// replaces the older entry and takes the new spelling, and loading keeps the first one listed.
class CSchemaMap {
public:
    static constexpr const char* kSection = "Schemata";

    explicit CSchemaMap(orv::CProfile& profile);
    CSchemaMap(const CSchemaMap&) = delete;
    CSchemaMap& operator=(const CSchemaMap&) = delete;
    virtual ~CSchemaMap() = default;

    const std::map<std::string, CDisplaySet>& Schemes() const { return m_schemes; }
    // Exact, case-sensitive lookup; null when there is no such scheme.
    const CDisplaySet* Find(const std::string& name) const;
    // Adds or replaces a scheme (see above for names differing in case) and marks the map modified.
    void Store(const std::string& name, const CDisplaySet& displaySet);
    // Removes the scheme of exactly this name; marks the map modified either way.
    bool Remove(const std::string& name);

    bool IsModified() const { return m_modified; }
    void SetModified(bool modified = true) { m_modified = modified; }

    // The value names of the section in the store; empty when it cannot be opened.
    void ListNames(std::vector<std::string>& names) const;
    // Rebuilds the map from the registry, after finishing a save that was cut off. False only
    // when the section exists but cannot be opened.
    bool LoadSchemes();
    // Rebuilds the map from the values `names` of the section. Values that are not a valid text
    // form are skipped.
    bool LoadNamed(const std::vector<std::string>& names);
    // Rewrites the section when the map is modified or `force` is set, journalled so that a cut
    // leaves the old schemes or the new ones; true when everything was written. A failure
    // leaves the map modified so the next save retries.
    bool SaveSchemes(bool force = false);

private:
    // The key of the entry whose name equals `name` apart from letter case, or end().
    std::map<std::string, CDisplaySet>::iterator FindIgnoringCase(const std::string& name);

    orv::CProfile& m_profile;
    std::map<std::string, CDisplaySet> m_schemes;
    bool m_modified = false;
};

// Whether two names meet in one registry value: equal apart from letter case in the ANSI code
// page 1252 (umlauts included).
bool SameSchemeName(const std::string& a, const std::string& b);
