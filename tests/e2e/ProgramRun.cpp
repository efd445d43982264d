// Starting, finding and ending the program under test.
#include "ProgramRun.h"

#include "platform/CodePage.h"

#include <shellapi.h>

#include <stdexcept>
#include <vector>

namespace e2e {

namespace {

struct FindState {
    DWORD processId;
    const char* className;
    HWND owner;
    std::vector<HWND> found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    auto* state = reinterpret_cast<FindState*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != state->processId || !IsWindowVisible(window) ||
        ClassOf(window) != state->className)
        return TRUE;
    if (state->owner && GetWindow(window, GW_OWNER) != state->owner)
        return TRUE;
    state->found.push_back(window);
    return TRUE;
}

}  // namespace

std::string InstalledExe()
{
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string exe;
    for (int i = 1; i < count; ++i) {
        if (args[i][0] != L'-')
            exe = Narrow(args[i]);
    }
    LocalFree(args);
    if (exe.empty())
        return exe;
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(exe.c_str(), sizeof(full), full, nullptr);
    return length > 0 && length < sizeof(full) ? std::string(full) : exe;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

ProgramRun::ProgramRun(const std::string& exe)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    std::string commandLine = "\"" + exe + "\"";
    const std::string folder = FolderOf(exe);
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &m_process))
        throw std::runtime_error("cannot start " + exe + ", error " +
                                 std::to_string(GetLastError()));
}

ProgramRun::~ProgramRun()
{
    Kill();
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

void ProgramRun::Kill()
{
    if (IsRunning()) {
        TerminateProcess(m_process.hProcess, 99);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
}

bool ProgramRun::IsRunning() const
{
    return WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

bool ProgramRun::WaitForExit(DWORD timeoutMs)
{
    return WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool ProgramRun::WaitForIdle(DWORD timeoutMs)
{
    return WaitForInputIdle(m_process.hProcess, timeoutMs) == 0;
}

DWORD ProgramRun::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

std::vector<HWND> ProgramRun::FindWindowsOf(const char* className, HWND owner) const
{
    FindState state{m_process.dwProcessId, className, owner, {}};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

HWND ProgramRun::FindWindowOf(const char* className, HWND owner) const
{
    const std::vector<HWND> found = FindWindowsOf(className, owner);
    return found.empty() ? nullptr : found.front();
}

HWND ProgramRun::WaitForWindowOf(const char* className, HWND owner, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowOf(className, owner)) != nullptr || !IsRunning(); },
              timeoutMs);
    return found;
}

HWND ProgramRun::WaitForTimerWindow(DWORD timeoutMs)
{
    return WaitForWindowOf("ZielmarkTimer", nullptr, timeoutMs);
}

std::string ClassOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

RECT WindowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

SIZE WindowSize(HWND window)
{
    const RECT rect = WindowRect(window);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

SIZE ClientSize(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    return SIZE{rect.right, rect.bottom};
}

std::string ControlText(HWND dialog, int id)
{
    char text[1024] = {};
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

}  // namespace e2e
