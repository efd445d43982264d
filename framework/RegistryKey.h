// Owner of one open registry key with the typed value encodings every stored setting uses.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace orv::Windows {

// Results are Win32 error codes (0 = success). Value operations take the value first and the
// value name last. Integers and truth values are REG_BINARY blocks of exact length.
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

    LONG SetBool(bool value, const std::string& name);
    LONG SetInt(int32_t value, const std::string& name);
    LONG SetString(const std::string& text, const std::string& name);
    LONG SetBinary(const void* data, size_t size, const std::string& name);

    LONG GetBool(bool& value, const std::string& name) const;
    LONG GetInt(int32_t& value, const std::string& name) const;
    LONG GetString(std::string& text, const std::string& name) const;
    LONG GetBinary(void* data, size_t size, const std::string& name) const;

private:
    // Reads a REG_BINARY value of exactly `size` bytes into `data`; anything else is ERROR_INVALID_DATA.
    LONG ReadExactBinary(void* data, size_t size, const std::string& name) const;

    HKEY m_hKey = nullptr;
};

}  // namespace orv::Windows
