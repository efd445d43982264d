// Starting, watching and closing the programs of the idle benchmark.
#include "ChildProcess.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

struct WindowQuery {
    DWORD processId;
    const char* className;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    auto* query = reinterpret_cast<WindowQuery*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[256] = "";
    GetClassNameA(window, name, sizeof(name));
    if (owner == query->processId && lstrcmpA(name, query->className) == 0) {
        query->found = window;
        return FALSE;
    }
    return TRUE;
}

double Seconds(const FILETIME& time)
{
    ULARGE_INTEGER value{};
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;  // 100-ns units
}

// Sum of the times of the process's live threads. Wine reports no times for another process as a
// whole, but does for its threads; on Windows the process total is the larger and wins.
double LiveThreadSeconds(DWORD processId)
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0.0;
    double total = 0.0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != processId)
            continue;
        const HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
        if (!thread)
            continue;
        FILETIME created{}, exited{}, kernel{}, user{};
        if (GetThreadTimes(thread, &created, &exited, &kernel, &user))
            total += Seconds(kernel) + Seconds(user);
        CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return total;
}

// The whole of a small file such as one below /proc; empty when it cannot be read.
std::string ReadSmallFile(const std::string& path)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        content.append(buffer, read);
    CloseHandle(file);
    return content;
}

// The /proc folder (through Wine's drive Z:) of the Linux process whose first argument is
// `program`; empty when there is none, as on Windows.
std::string LinuxProcessFolder(const std::string& program)
{
    WIN32_FIND_DATAA entry{};
    const HANDLE search = FindFirstFileA("Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return {};
    std::string found;
    do {
        const std::string name = entry.cFileName;
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const std::string folder = "Z:\\proc\\" + name + "\\";
        const std::string arguments = ReadSmallFile(folder + "cmdline");
        if (lstrcmpiA(arguments.substr(0, arguments.find('\0')).c_str(), program.c_str()) == 0)
            found = folder;
    } while (found.empty() && FindNextFileA(search, &entry));
    FindClose(search);
    return found;
}

// RssAnon of the Linux process behind `folder`.
bool LinuxAnonymousBytes(const std::string& folder, SIZE_T& bytes)
{
    const std::string status = ReadSmallFile(folder + "status");
    const size_t field = status.find("RssAnon:");
    if (field == std::string::npos)
        return false;
    bytes = static_cast<SIZE_T>(std::strtoull(status.c_str() + field + 8, nullptr, 10)) * 1024;
    return true;
}

// Time on a CPU of every thread of the Linux process behind `folder`, in nanoseconds
// (schedstat): exact, where the system's thread times count whole 10 ms clock ticks.
bool LinuxRunSeconds(const std::string& folder, double& seconds)
{
    WIN32_FIND_DATAA entry{};
    const HANDLE search = FindFirstFileA((folder + "task\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    unsigned long long total = 0;
    bool any = false;
    do {
        const std::string name = entry.cFileName;
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const std::string stat = ReadSmallFile(folder + "task\\" + name + "\\schedstat");
        if (stat.empty())
            continue;
        total += std::strtoull(stat.c_str(), nullptr, 10);
        any = true;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    seconds = static_cast<double>(total) / 1e9;
    return any;
}

}  // namespace

CChildProcess::~CChildProcess()
{
    if (!m_info.hProcess)
        return;
    if (IsRunning()) {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, 5000);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

bool CChildProcess::Start(const std::string& program, const std::string& arguments,
                          const std::string& folder)
{
    if (m_info.hProcess)
        return false;
    m_program = program;
    std::string line = "\"" + program + "\"";
    if (!arguments.empty())
        line += " " + arguments;
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    return CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &m_info) != FALSE;
}

HWND CChildProcess::WaitForWindow(const char* className, DWORD timeoutMs) const
{
    const DWORD start = GetTickCount();
    for (;;) {
        WindowQuery query{m_info.dwProcessId, className};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
        if (query.found && IsWindowVisible(query.found))
            return query.found;
        if (!IsRunning() || GetTickCount() - start > timeoutMs)
            return nullptr;
        Sleep(50);
    }
}

bool CChildProcess::IsRunning() const
{
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool CChildProcess::CpuSeconds(double& seconds, std::string& source) const
{
    if (m_linuxFolder.empty())
        m_linuxFolder = LinuxProcessFolder(m_program);
    if (!m_linuxFolder.empty() && LinuxRunSeconds(m_linuxFolder, seconds)) {
        source = "Linux schedstat";
        return true;
    }
    source = "thread times";
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!m_info.hProcess || !GetProcessTimes(m_info.hProcess, &created, &exited, &kernel, &user))
        return false;
    seconds = std::max(Seconds(kernel) + Seconds(user), LiveThreadSeconds(m_info.dwProcessId));
    return true;
}

bool CChildProcess::PrivateBytes(SIZE_T& bytes, std::string& source) const
{
    if (!m_info.hProcess)
        return false;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(m_info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters)) &&
        counters.PrivateUsage > 0) {
        bytes = counters.PrivateUsage;
        source = "PrivateUsage";
        return true;
    }
    source = "Linux RssAnon";
    if (m_linuxFolder.empty())
        m_linuxFolder = LinuxProcessFolder(m_program);
    return !m_linuxFolder.empty() && LinuxAnonymousBytes(m_linuxFolder, bytes);
}

bool CChildProcess::Close(HWND window, DWORD timeoutMs, DWORD& exitCode)
{
    exitCode = STILL_ACTIVE;
    if (!m_info.hProcess || !PostMessageA(window, WM_CLOSE, 0, 0))
        return false;
    if (WaitForSingleObject(m_info.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(m_info.hProcess, &exitCode) && exitCode == 0;
}
