// Registry preparation and inspection for the end-to-end tests.
#include "AppRegistry.h"

#include <stdexcept>

namespace e2e {

namespace {

// Closes a key when it goes out of scope.
class Key {
public:
    Key() = default;
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    HKEY* Out() { return &m_key; }
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

std::string SectionPath(const std::string& section)
{
    return section.empty() ? AppRegistry::kKey : std::string(AppRegistry::kKey) + "\\" + section;
}

void CreateSection(const std::string& section, Key& key)
{
    const LONG result = RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr,
                                        0, KEY_ALL_ACCESS, nullptr, key.Out(), nullptr);
    if (result != ERROR_SUCCESS)
        throw std::runtime_error("cannot create registry section " + section);
}

void SetValue(const std::string& section, const std::string& name, DWORD type, const void* data,
              size_t size)
{
    Key key;
    CreateSection(section, key);
    const LONG result = RegSetValueExA(key.Get(), name.c_str(), 0, type,
                                       static_cast<const BYTE*>(data), static_cast<DWORD>(size));
    if (result != ERROR_SUCCESS)
        throw std::runtime_error("cannot write registry value " + section + "\\" + name);
}

}  // namespace

std::string RegValue::Text() const
{
    std::string text(data.begin(), data.end());
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

bool AppRegistry::Delete()
{
    const LONG result = RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
        return false;
    return !Exists();
}

bool AppRegistry::Exists()
{
    return SectionExists("");
}

bool AppRegistry::SectionExists(const std::string& section)
{
    Key key;
    return RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_READ, key.Out()) ==
           ERROR_SUCCESS;
}

void AppRegistry::SetBinary(const std::string& section, const std::string& name, const void* data,
                            size_t size)
{
    SetValue(section, name, REG_BINARY, data, size);
}

void AppRegistry::SetBool(const std::string& section, const std::string& name, bool value)
{
    const BYTE byte = value ? 1 : 0;
    SetValue(section, name, REG_BINARY, &byte, 1);
}

void AppRegistry::SetString(const std::string& section, const std::string& name,
                            const std::string& text)
{
    SetValue(section, name, REG_SZ, text.c_str(), text.size() + 1);
}

std::optional<RegValue> AppRegistry::Get(const std::string& section, const std::string& name)
{
    Key key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_READ, key.Out()) !=
        ERROR_SUCCESS)
        return std::nullopt;
    RegValue value;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &value.type, value.data.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

std::vector<std::string> AppRegistry::ValueNames(const std::string& section)
{
    std::vector<std::string> names;
    Key key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_READ, key.Out()) !=
        ERROR_SUCCESS)
        return names;
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD length = sizeof(name);
        if (RegEnumValueA(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

}  // namespace e2e
