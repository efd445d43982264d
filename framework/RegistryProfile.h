// The settings store in the registry: each section is a key below HKCU\Software\<path>.
#pragma once

#include "core/Profile.h"
#include "framework/RegistryKey.h"

namespace orv::Windows {

class CRegistryProfile : public CProfile {
public:
    CRegistryProfile() = default;
    ~CRegistryProfile() override;

    // The part of the key path between "Software\" and the section, e.g. "Orvanta\Zielmark".
    void SetPath(const char* path);

    bool OpenSection(const std::string& section) override;
    long CloseSection() override;
    bool IsOpen() const override;

    std::string GetString(const std::string& name, const std::string& defaultValue) override;
    bool GetBool(const std::string& name, bool defaultValue) override;
    int32_t GetInt(const std::string& name, int32_t defaultValue) override;
    long GetBinary(const std::string& name, size_t size, const void* defaults,
                   void* result) override;

    bool WriteString(const std::string& name, const std::string& text) override;
    bool WriteBool(const std::string& name, bool value) override;
    bool WriteInt(const std::string& name, int32_t value) override;
    bool WriteBinary(const std::string& name, size_t size, const void* data) override;

    bool DeleteValue(const std::string& name) override;
    bool DeleteSection(const std::string& section) override;
    bool Flush() override;
    bool Exists() override;
    void ListValueNames(const std::string& section, std::vector<std::string>& names) override;

private:
    std::string AppKeyPath() const { return "Software\\" + m_path; }

    CRegistryKey m_section;
    std::string m_path;
};

}  // namespace orv::Windows
