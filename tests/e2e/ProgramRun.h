// One run of the installed Zielmark.exe and the windows a person would see of it.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace e2e {

// The installed program, given as the last non-option argument of the test program.
std::string InstalledExe();
std::string FolderOf(const std::string& path);

// The waits are made for a real processor: ZIELMARK_TEST_PATIENCE (a whole factor, 1 when unset)
// stretches every one, for a machine that emulates its processor.
DWORD Patience(DWORD timeoutMs);

// Polls `condition` every few milliseconds until it holds or `timeoutMs` (stretched) has passed.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    const DWORD limit = Patience(timeoutMs);
    while (!condition()) {
        if (GetTickCount() - start >= limit)
            return condition();
        Sleep(5);
    }
    return true;
}

// How a run is started beyond the defaults.
struct RunOptions {
    // WINEDEBUG for the program (e.g. "+seh"); empty keeps the inherited one. Wine writes these
    // messages to the standard error it inherits, which is the test's own.
    std::string wineDebug;
    // Runs the program under this test as its debugger, which is told of every exception the
    // program raises, whether the program handles it or not.
    bool watchExceptions = false;
};

// The started program; a run still alive when this object goes is killed.
class ProgramRun {
public:
    // Starts the exe with its own folder as working folder; throws when it cannot start.
    explicit ProgramRun(const std::string& exe, const RunOptions& options = {});
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;
    ~ProgramRun();

    DWORD ProcessId() const { return m_process.dwProcessId; }
    // The visible timer window of this process, or null after the timeout.
    HWND WaitForTimerWindow(DWORD timeoutMs = 10000);
    bool WaitForExit(DWORD timeoutMs = 10000);
    // Waits until the program waits for input in its message loop (start-up done).
    bool WaitForIdle(DWORD timeoutMs = 10000);
    // The exit code, or STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    bool IsRunning() const;
    void Kill();

    // With watchExceptions: the error exceptions (severity bits 11, e.g. c0000005) the program
    // raised, as "code at address"; and whether the debugger was attached at all.
    std::vector<std::string> ErrorExceptions() const;
    bool WasDebugged() const;

    // The top-level window of this process with this class; when `owner` is given, only a window
    // owned by it. Null when there is none.
    HWND FindWindowOf(const char* className, HWND owner = nullptr) const;
    HWND WaitForWindowOf(const char* className, HWND owner, DWORD timeoutMs);
    // All such windows, top of the z-order first.
    std::vector<HWND> FindWindowsOf(const char* className, HWND owner = nullptr) const;

private:
    void DebugLoop(const std::string& exe, std::vector<char> environment);

    PROCESS_INFORMATION m_process{};
    // The debugger's thread: it starts the program and must be the one that waits for its events.
    std::thread m_debugger;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_exceptions;
    bool m_debugged = false;
    bool m_startFinished = false;
};

std::string ClassOf(HWND window);
RECT WindowRect(HWND window);
SIZE WindowSize(HWND window);
SIZE ClientSize(HWND window);
// The text of a dialog's control.
std::string ControlText(HWND dialog, int id);

}  // namespace e2e
