// Test-owned registry area and raw value access through the plain Win32 calls.
#include "RegistryTestSupport.h"


void RegistryTest::SetUp()
{
    m_appPath = "ZielmarkTest\\" + std::to_string(GetCurrentProcessId()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
    RegDeleteTreeA(HKEY_CURRENT_USER, KeyPath().c_str());
}

void RegistryTest::TearDown()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, KeyPath().c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZielmarkTest");  // only when empty
}

std::string RegistryTest::KeyPath(const std::string& sub) const
{
    std::string path = "Software\\" + m_appPath;
    if (!sub.empty())
        path += "\\" + sub;
    return path;
}

void RegistryTest::WriteRaw(const std::string& sub, const std::string& name, DWORD type,
                            const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(sub).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

RegistryTest::RawValue RegistryTest::ReadRaw(const std::string& sub, const std::string& name) const
{
    RawValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(sub).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.bytes.resize(size);
        value.exists = RegQueryValueExA(key, name.c_str(), nullptr, &value.type,
                                        value.bytes.data(), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return value;
}

bool RegistryTest::KeyExists(const std::string& sub) const
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(sub).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::vector<std::string> RegistryTest::ValueNames(const std::string& sub) const
{
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(sub).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    for (DWORD i = 0;; ++i) {
        char name[2048];
        DWORD length = sizeof(name);
        if (RegEnumValueA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}
