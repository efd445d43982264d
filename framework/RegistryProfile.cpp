// Registry-backed settings store: one open section at a time, missing levels created on open.
#include "framework/RegistryProfile.h"

#include <cstring>

namespace orv::Windows {

CRegistryProfile::~CRegistryProfile()
{
    CloseSection();
}

void CRegistryProfile::SetPath(const char* path)
{
    m_path = path ? path : "";
}

bool CRegistryProfile::OpenSection(const std::string& section)
{
    if (IsOpen())
        CloseSection();
    return m_section.Create(HKEY_CURRENT_USER, AppKeyPath() + "\\" + section, KEY_ALL_ACCESS) ==
           ERROR_SUCCESS;
}

long CRegistryProfile::CloseSection()
{
    return m_section.Close();
}

bool CRegistryProfile::IsOpen() const
{
    return m_section.IsOpen();
}

std::string CRegistryProfile::GetString(const std::string& name, const std::string& defaultValue)
{
    std::string text;
    return m_section.GetString(name, text) == ERROR_SUCCESS ? text : defaultValue;
}

bool CRegistryProfile::GetBool(const std::string& name, bool defaultValue)
{
    bool value = false;
    return m_section.GetBool(name, value) == ERROR_SUCCESS ? value : defaultValue;
}

int32_t CRegistryProfile::GetInt(const std::string& name, int32_t defaultValue)
{
    int32_t value = 0;
    return m_section.GetInt(name, value) == ERROR_SUCCESS ? value : defaultValue;
}

long CRegistryProfile::GetBinary(const std::string& name, size_t size, const void* defaults,
                                 void* result)
{
    const LONG error = m_section.GetBinary(name, result, size);
    if (error != ERROR_SUCCESS && defaults && defaults != result)
        std::memmove(result, defaults, size);
    return error;
}

bool CRegistryProfile::WriteString(const std::string& name, const std::string& text)
{
    return m_section.SetString(name, text) == ERROR_SUCCESS;
}

bool CRegistryProfile::WriteBool(const std::string& name, bool value)
{
    return m_section.SetBool(name, value) == ERROR_SUCCESS;
}

bool CRegistryProfile::WriteInt(const std::string& name, int32_t value)
{
    return m_section.SetInt(name, value) == ERROR_SUCCESS;
}

bool CRegistryProfile::WriteBinary(const std::string& name, size_t size, const void* data)
{
    return m_section.SetBinary(name, data, size) == ERROR_SUCCESS;
}

bool CRegistryProfile::DeleteValue(const std::string& name)
{
    return m_section.DeleteValue(name) == ERROR_SUCCESS;
}

bool CRegistryProfile::DeleteSection(const std::string& section)
{
    CRegistryKey appKey;
    if (appKey.Open(HKEY_CURRENT_USER, AppKeyPath(), KEY_ALL_ACCESS) != ERROR_SUCCESS)
        return true;  // nothing stored yet, so nothing to delete
    return appKey.DeleteKeyTree(section) == ERROR_SUCCESS;
}

bool CRegistryProfile::Flush()
{
    if (IsOpen())
        return RegFlushKey(m_section.Handle()) == ERROR_SUCCESS;
    CRegistryKey appKey;
    if (appKey.Open(HKEY_CURRENT_USER, AppKeyPath(), KEY_READ) != ERROR_SUCCESS)
        return true;  // nothing stored, nothing to write through
    return RegFlushKey(appKey.Handle()) == ERROR_SUCCESS;
}

bool CRegistryProfile::Exists()
{
    CRegistryKey appKey;
    return appKey.Open(HKEY_CURRENT_USER, AppKeyPath(), KEY_READ) == ERROR_SUCCESS;
}

void CRegistryProfile::ListValueNames(const std::string& section, std::vector<std::string>& names)
{
    names.clear();
    CRegistryKey key;
    if (key.Open(HKEY_CURRENT_USER, AppKeyPath() + "\\" + section, KEY_READ) == ERROR_SUCCESS)
        key.EnumValueNames(names);
}

}  // namespace orv::Windows
