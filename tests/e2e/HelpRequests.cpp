// The stand-in browser's registration for ".html" (the test prefix has none) and its log.
#include "HelpRequests.h"

#include "ProgramRun.h"

#include <windows.h>

#include <fstream>

namespace e2e {

namespace {

constexpr const char* kProgId = "ZielmarkTestHelpPage";

void SetDefault(const std::string& key, const std::string& value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}

}  // namespace

HelpRequests::HelpRequests()
{
    const std::string recorder = FolderOf(InstalledExe()) + "\\..\\tests\\e2e\\help_recorder.exe";
    char full[MAX_PATH] = "";
    GetFullPathNameA(recorder.c_str(), MAX_PATH, full, nullptr);
    m_log = FolderOf(full) + "\\help-requests.txt";
    DeleteFileA(m_log.c_str());
    SetDefault(".html", kProgId);
    SetDefault(std::string(kProgId) + "\\shell\\open\\command",
               "\"" + std::string(full) + "\" %1");
}

HelpRequests::~HelpRequests()
{
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kProgId);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".html");
    DeleteFileA(m_log.c_str());
}

std::vector<std::string> HelpRequests::Addresses() const
{
    std::vector<std::string> addresses;
    std::ifstream in(m_log);
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (line.size() >= 2 && line.front() == '"' && line.back() == '"')
            line = line.substr(1, line.size() - 2);
        addresses.push_back(line);
    }
    return addresses;
}

bool HelpRequests::WaitFor(size_t count, unsigned timeoutMs) const
{
    return WaitUntil([&] { return Addresses().size() >= count; }, timeoutMs);
}

}  // namespace e2e
