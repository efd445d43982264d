// Owner of one open registry key with the typed value encodings every stored setting uses.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace orv::Windows {

// Results are Win32 error codes (0 = success). Value operations take the value name first, as
// the settings store does. Integers and truth values are REG_BINARY blocks of exact length.
class CRegistryKey {
public:
    CRegistryKey() = default;
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;
    virtual ~CRegistryKey();

    LONG Create(HKEY parent, const std::string& subKey, REGSAM access, DWORD options = 0,
                LPSECURITY_ATTRIBUTES security = nullptr, DWORD* disposition = nullptr);
    LONG Open(HKEY parent, const std::string& subKey, REGSAM access);
    LONG Close();
    bool IsOpen() const { return m_hKey != nullptr; }
    HKEY Handle() const { return m_hKey; }

    void EnumValueNames(std::vector<std::string>& names) const;
    LONG DeleteValue(const std::string& name);
    LONG DeleteKey(const std::string& subKey);
    LONG DeleteKeyTree(const std::string& subKey);

    LONG SetBool(const std::string& name, bool value);
    LONG SetInt(const std::string& name, int32_t value);
    LONG SetString(const std::string& name, const std::string& text);
    LONG SetBinary(const std::string& name, const void* data, size_t size);

    LONG GetBool(const std::string& name, bool& value) const;
    LONG GetInt(const std::string& name, int32_t& value) const;
    LONG GetString(const std::string& name, std::string& text) const;
    LONG GetBinary(const std::string& name, void* data, size_t size) const;

private:
    // Reads a REG_BINARY value of exactly `size` bytes into `data`; anything else is ERROR_INVALID_DATA.
    LONG ReadExactBinary(const std::string& name, void* data, size_t size) const;

    HKEY m_hKey = nullptr;
};

}  // namespace orv::Windows
