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
    // CPU time so far: under Wine, which counts whole clock ticks, the exact run time of the
    // Linux process's threads; elsewhere user plus kernel time. `source` names which. False
    // when it cannot be read.
    bool CpuSeconds(double& seconds, std::string& source) const;
    // Private memory of the process in bytes: the system's count where it keeps one; under Wine,
    // which counts none for another process, the anonymous resident memory of the Linux process
    // that runs it (RssAnon). `source` names which. False when neither can be read.
    bool PrivateBytes(SIZE_T& bytes, std::string& source) const;
    // Posts WM_CLOSE to `window` and waits for the process to end with exit code 0.
    bool Close(HWND window, DWORD timeoutMs, DWORD& exitCode);

private:
    PROCESS_INFORMATION m_info{};
    std::string m_program;
    mutable std::string m_linuxFolder;  // found on first use
};
