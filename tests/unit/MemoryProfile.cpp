// In-memory settings store used by the portable tests.
#include "MemoryProfile.h"

#include <cstring>

bool CMemoryProfile::OpenSection(const std::string& section)
{
    m_open.clear();
    if (failOpen)
        return false;
    // Creating a missing section is a change like any other.
    if (sections.count(section) == 0 && !MayChange())
        return false;
    m_open = section;
    sections[section];
    m_opened = true;
    return true;
}

bool CMemoryProfile::MayChange()
{
    if (writeLimit >= 0 && writes >= writeLimit)
        return false;
    ++writes;
    return true;
}

long CMemoryProfile::CloseSection()
{
    m_open.clear();
    return 0;
}

const CMemoryProfile::Value* CMemoryProfile::Find(const std::string& name) const
{
    const auto section = sections.find(m_open);
    if (m_open.empty() || section == sections.end())
        return nullptr;
    const auto value = section->second.find(name);
    return value == section->second.end() ? nullptr : &value->second;
}

bool CMemoryProfile::Store(const std::string& name, Value value)
{
    if (m_open.empty() || !MayChange())
        return false;
    sections[m_open][name] = std::move(value);
    return true;
}

std::string CMemoryProfile::GetString(const std::string& name, const std::string& defaultValue)
{
    const Value* value = Find(name);
    if (!value || value->type != Type::String)
        return defaultValue;
    return std::string(value->bytes.begin(), value->bytes.end());
}

bool CMemoryProfile::GetBool(const std::string& name, bool defaultValue)
{
    unsigned char byte = 0;
    return GetBinary(name, 1, nullptr, &byte) == 0 ? byte != 0 : defaultValue;
}

int32_t CMemoryProfile::GetInt(const std::string& name, int32_t defaultValue)
{
    int32_t number = 0;
    return GetBinary(name, sizeof(number), nullptr, &number) == 0 ? number : defaultValue;
}

long CMemoryProfile::GetBinary(const std::string& name, size_t size, const void* defaults,
                               void* result)
{
    const Value* value = Find(name);
    if (!value || value->type != Type::Binary || value->bytes.size() != size) {
        if (defaults && defaults != result)
            std::memmove(result, defaults, size);
        return value ? 13 : 2;
    }
    std::memcpy(result, value->bytes.data(), size);
    return 0;
}

bool CMemoryProfile::WriteString(const std::string& name, const std::string& text)
{
    return Store(name, Value{Type::String, {text.begin(), text.end()}});
}

bool CMemoryProfile::WriteBool(const std::string& name, bool value)
{
    const unsigned char byte = value ? 1 : 0;
    return WriteBinary(name, 1, &byte);
}

bool CMemoryProfile::WriteInt(const std::string& name, int32_t value)
{
    return WriteBinary(name, sizeof(value), &value);
}

bool CMemoryProfile::WriteBinary(const std::string& name, size_t size, const void* data)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    return Store(name, Value{Type::Binary, {bytes, bytes + size}});
}

bool CMemoryProfile::DeleteValue(const std::string& name)
{
    if (!MayChange())
        return false;
    return !m_open.empty() && sections[m_open].erase(name) > 0;
}

bool CMemoryProfile::DeleteSection(const std::string& section)
{
    if (!MayChange())
        return false;
    // With everything below it, as a registry key tree goes.
    const std::string below = section + "\\";
    for (auto it = sections.lower_bound(below); it != sections.end() && it->first.rfind(below, 0) == 0;)
        it = sections.erase(it);
    return sections.erase(section) > 0;
}

bool CMemoryProfile::Flush()
{
    ++flushes;
    return true;
}

void CMemoryProfile::ListValueNames(const std::string& section, std::vector<std::string>& names)
{
    names.clear();
    const auto found = sections.find(section);
    if (found == sections.end())
        return;
    for (const auto& value : found->second)
        names.push_back(value.first);
}
