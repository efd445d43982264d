// Scheme collection: the value names of "Schemata" come straight from the registry key.
#include "settings/SchemaMap.h"

#include "framework/RegistryKey.h"

using orv::Windows::CRegistryKey;

void CSchemaMap::ListNames(std::vector<std::string>& names) const
{
    names.clear();
    CRegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, "Software\\" + m_appPath + "\\" + kSection, KEY_READ) !=
        ERROR_SUCCESS)
        return;
    key.EnumValueNames(names);
}

bool CSchemaMap::LoadSchemes()
{
    std::vector<std::string> names;
    ListNames(names);
    return LoadNamed(names);
}
