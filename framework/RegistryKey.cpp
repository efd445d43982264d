// Registry key owner: typed reads and writes, value listing and recursive key deletion.
#include "framework/RegistryKey.h"

#include <cstring>

namespace orv::Windows {

CRegistryKey::~CRegistryKey()
{
    Close();
}

LONG CRegistryKey::Create(HKEY parent, const std::string& subKey, REGSAM access, DWORD options,
                          LPSECURITY_ATTRIBUTES security, DWORD* disposition)
{
    HKEY key = nullptr;
    DWORD created = 0;
    char emptyClass[] = "";
    const LONG result = RegCreateKeyExA(parent, subKey.c_str(), 0, emptyClass, options, access,
                                        security, &key, &created);
    if (result == ERROR_SUCCESS) {
        m_hKey = key;
        if (disposition)
            *disposition = created;
    }
    return result;
}

LONG CRegistryKey::Open(HKEY parent, const std::string& subKey, REGSAM access)
{
    HKEY key = nullptr;
    const LONG result = RegOpenKeyExA(parent, subKey.c_str(), 0, access, &key);
    if (result == ERROR_SUCCESS)
        m_hKey = key;
    return result;
}

LONG CRegistryKey::Close()
{
    if (!m_hKey)
        return ERROR_SUCCESS;
    const LONG result = RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return result;
}

void CRegistryKey::EnumValueNames(std::vector<std::string>& names) const
{
    names.clear();
    for (;;) {
        char name[1000];
        DWORD length = sizeof(name);
        const LONG result = RegEnumValueA(m_hKey, static_cast<DWORD>(names.size()), name, &length,
                                          nullptr, nullptr, nullptr, nullptr);
        if (result != ERROR_SUCCESS)
            return;
        names.emplace_back(name, length);
    }
}

LONG CRegistryKey::DeleteValue(const std::string& name)
{
    return RegDeleteValueA(m_hKey, name.c_str());
}

LONG CRegistryKey::DeleteKey(const std::string& subKey)
{
    return RegDeleteKeyA(m_hKey, subKey.c_str());
}

LONG CRegistryKey::DeleteKeyTree(const std::string& subKey)
{
    CRegistryKey key;
    LONG result = key.Open(m_hKey, subKey, KEY_READ | KEY_WRITE);
    while (result == ERROR_SUCCESS) {
        // Always index 0: every pass removes the first remaining sub-key.
        char child[256];
        if (RegEnumKeyA(key.m_hKey, 0, child, sizeof(child)) != ERROR_SUCCESS)
            break;
        result = key.DeleteKeyTree(child);
    }
    key.Close();
    if (result == ERROR_SUCCESS)
        result = DeleteKey(subKey);
    return result;
}

LONG CRegistryKey::SetBool(const std::string& name, bool value)
{
    const BYTE byte = value ? 1 : 0;
    return SetBinary(name, &byte, 1);
}

LONG CRegistryKey::SetInt(const std::string& name, int32_t value)
{
    return SetBinary(name, &value, sizeof(value));
}

LONG CRegistryKey::SetString(const std::string& name, const std::string& text)
{
    return RegSetValueExA(m_hKey, name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
}

LONG CRegistryKey::SetBinary(const std::string& name, const void* data, size_t size)
{
    return RegSetValueExA(m_hKey, name.c_str(), 0, REG_BINARY, static_cast<const BYTE*>(data),
                          static_cast<DWORD>(size));
}

LONG CRegistryKey::GetBool(const std::string& name, bool& value) const
{
    BYTE byte = 0;
    const LONG result = ReadExactBinary(name, &byte, 1);
    if (result == ERROR_SUCCESS)
        value = byte != 0;
    return result;
}

LONG CRegistryKey::GetInt(const std::string& name, int32_t& value) const
{
    return ReadExactBinary(name, &value, sizeof(value));
}

LONG CRegistryKey::GetString(const std::string& name, std::string& text) const
{
    DWORD type = 0;
    DWORD size = 0;
    LONG result = RegQueryValueExA(m_hKey, name.c_str(), nullptr, &type, nullptr, &size);
    if (result != ERROR_SUCCESS)
        return result;
    if (type != REG_SZ)
        return ERROR_INVALID_DATA;
    std::vector<char> buffer(size + 1, '\0');
    result = RegQueryValueExA(m_hKey, name.c_str(), nullptr, &type,
                              reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (result != ERROR_SUCCESS)
        return result;
    if (type != REG_SZ)
        return ERROR_INVALID_DATA;
    // The stored terminator (if any) is not part of the text.
    text.assign(buffer.data(), strnlen(buffer.data(), size));
    return ERROR_SUCCESS;
}

LONG CRegistryKey::GetBinary(const std::string& name, void* data, size_t size) const
{
    return ReadExactBinary(name, data, size);
}

LONG CRegistryKey::ReadExactBinary(const std::string& name, void* data, size_t size) const
{
    std::vector<BYTE> buffer(size ? size : 1);
    DWORD type = 0;
    DWORD length = static_cast<DWORD>(size);
    const LONG result = RegQueryValueExA(m_hKey, name.c_str(), nullptr, &type, buffer.data(), &length);
    if (result != ERROR_SUCCESS)
        return result;
    if (type != REG_BINARY || length != size)
        return ERROR_INVALID_DATA;
    std::memcpy(data, buffer.data(), size);
    return ERROR_SUCCESS;
}

}  // namespace orv::Windows
