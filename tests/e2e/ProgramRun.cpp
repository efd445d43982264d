// Starting, finding and ending the program under test.
#include "ProgramRun.h"

#include "platform/CodePage.h"

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
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

DWORD Patience(DWORD timeoutMs)
{
    static const DWORD factor = [] {
        char text[16] = "";
        const DWORD length = GetEnvironmentVariableA("ZIELMARK_TEST_PATIENCE", text, sizeof(text));
        const unsigned long value = length > 0 && length < sizeof(text) ? strtoul(text, nullptr, 10) : 1;
        return static_cast<DWORD>(value >= 1 && value <= 100 ? value : 1);
    }();
    return timeoutMs * factor;
}

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

namespace {

// This process's environment with WINEDEBUG replaced, as a block for CreateProcess.
std::vector<char> EnvironmentWith(const std::string& wineDebug)
{
    std::vector<char> block;
    LPCH current = GetEnvironmentStringsA();
    for (const char* entry = current; entry && *entry; entry += std::strlen(entry) + 1) {
        if (_strnicmp(entry, "WINEDEBUG=", 10) == 0)
            continue;
        block.insert(block.end(), entry, entry + std::strlen(entry) + 1);
    }
    if (current)
        FreeEnvironmentStringsA(current);
    const std::string debug = "WINEDEBUG=" + wineDebug;
    block.insert(block.end(), debug.c_str(), debug.c_str() + debug.size() + 1);
    block.push_back('\0');
    return block;
}

}  // namespace

ProgramRun::ProgramRun(const std::string& exe, const RunOptions& options)
{
    std::vector<char> environment;
    if (!options.wineDebug.empty())
        environment = EnvironmentWith(options.wineDebug);
    if (options.watchExceptions) {
        m_debugger = std::thread([this, exe, environment] { DebugLoop(exe, environment); });
        WaitUntil([&] {
            std::lock_guard<std::mutex> lock(m_mutex);
            return m_startFinished;
        }, 10000);
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_process.hProcess) {
            if (m_debugger.joinable())
                m_debugger.join();
            throw std::runtime_error("cannot start " + exe + " under the debugger");
        }
        return;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    std::string commandLine = "\"" + exe + "\"";
    const std::string folder = FolderOf(exe);
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0,
                        environment.empty() ? nullptr : environment.data(), folder.c_str(), &startup,
                        &m_process))
        throw std::runtime_error("cannot start " + exe + ", error " +
                                 std::to_string(GetLastError()));
}

void ProgramRun::DebugLoop(const std::string& exe, std::vector<char> environment)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    std::string commandLine = "\"" + exe + "\"";
    const std::string folder = FolderOf(exe);
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS,
                       environment.empty() ? nullptr : environment.data(), folder.c_str(), &startup,
                       &process);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (started)
            m_process = process;
        m_startFinished = true;
    }
    if (!started)
        return;
    for (;;) {
        DEBUG_EVENT event{};
        if (!WaitForDebugEvent(&event, INFINITE))
            return;
        DWORD status = DBG_CONTINUE;
        switch (event.dwDebugEventCode) {
        case CREATE_PROCESS_DEBUG_EVENT:
            if (event.u.CreateProcessInfo.hFile)
                CloseHandle(event.u.CreateProcessInfo.hFile);
            break;
        case LOAD_DLL_DEBUG_EVENT:
            if (event.u.LoadDll.hFile)
                CloseHandle(event.u.LoadDll.hFile);
            break;
        case EXCEPTION_DEBUG_EVENT: {
            const EXCEPTION_RECORD& record = event.u.Exception.ExceptionRecord;
            std::lock_guard<std::mutex> lock(m_mutex);
            if (record.ExceptionCode == EXCEPTION_BREAKPOINT && !m_debugged) {
                m_debugged = true;  // the loader's breakpoint when the debugger attaches
                break;
            }
            if ((record.ExceptionCode & 0xC0000000u) == 0xC0000000u) {
                char text[64];
                std::snprintf(text, sizeof(text), "%08lx at %p",
                              static_cast<unsigned long>(record.ExceptionCode), record.ExceptionAddress);
                m_exceptions.push_back(text);
            }
            status = DBG_EXCEPTION_NOT_HANDLED;  // the program's own handlers decide
            break;
        }
        default:
            break;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
        if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT)
            return;
    }
}

std::vector<std::string> ProgramRun::ErrorExceptions() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_exceptions;
}

bool ProgramRun::WasDebugged() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_debugged;
}

ProgramRun::~ProgramRun()
{
    Kill();
    if (m_debugger.joinable())
        m_debugger.join();
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
    return WaitForSingleObject(m_process.hProcess, Patience(timeoutMs)) == WAIT_OBJECT_0;
}

bool ProgramRun::WaitForIdle(DWORD timeoutMs)
{
    return WaitForInputIdle(m_process.hProcess, Patience(timeoutMs)) == 0;
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
