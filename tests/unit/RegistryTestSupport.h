// A registry area of the test's own below HKCU\Software, removed afterwards, with raw accessors.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // "ZielmarkTest\<pid>": what CRegistryProfile::SetPath takes.
    const std::string& AppPath() const { return m_appPath; }
    // "Software\ZielmarkTest\<pid>" + "\" + sub.
    std::string KeyPath(const std::string& sub = "") const;

    struct RawValue {
        DWORD type = REG_NONE;
        std::vector<BYTE> bytes;
        bool exists = false;
    };
    void WriteRaw(const std::string& sub, const std::string& name, DWORD type, const void* data,
                  DWORD size);
    RawValue ReadRaw(const std::string& sub, const std::string& name) const;
    bool KeyExists(const std::string& sub) const;
    std::vector<std::string> ValueNames(const std::string& sub) const;

private:
    std::string m_appPath;
};
