// A program started by a benchmark: its window, its CPU time and a clean close.
#pragma once

#include <windows.h>

#include <string>

class CChildProcess {
public:
    CChildProcess() = default;
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;
    // A process still running here was not closed cleanly; it is ended so no bench run leaks one.
    ~CChildProcess();

    // Starts `program` with `arguments` in `folder`; false (with GetLastError) when it cannot.
    bool Start(const std::string& program, const std::string& arguments, const std::string& folder);
    // The process's top-level window of this class, waiting up to `timeoutMs` for it to appear.
    HWND WaitForWindow(const char* className, DWORD timeoutMs) const;
    bool IsRunning() const;
    // User plus kernel time so far; false when it cannot be read.
    bool CpuSeconds(double& seconds) const;
    // Private memory (committed, not shared) of the process in bytes; false when it cannot be read.
    bool PrivateBytes(SIZE_T& bytes) const;
    // Posts WM_CLOSE to `window` and waits for the process to end with exit code 0.
    bool Close(HWND window, DWORD timeoutMs, DWORD& exitCode);

private:
    PROCESS_INFORMATION m_info{};
};
