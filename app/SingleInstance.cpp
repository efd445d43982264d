// Single instance per session: the mutex is held for the life of the application object.
#include "app/SingleInstance.h"

CSingleInstance::CSingleInstance(const std::string& name)
{
    m_mutex = CreateMutexA(nullptr, FALSE, ("Local\\" + name).c_str());
    const DWORD error = GetLastError();
    // Access denied: the name is held by a process this one may not open, so it exists. Any
    // other failure says nothing about a running program, and must not keep this one from
    // starting.
    m_first = m_mutex ? error != ERROR_ALREADY_EXISTS : error != ERROR_ACCESS_DENIED;
}

CSingleInstance::~CSingleInstance()
{
    if (m_mutex)
        CloseHandle(m_mutex);
}

bool CSingleInstance::ActivateRunning(const char* windowClass, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND running = FindWindowA(windowClass, nullptr)) {
            if (IsIconic(running))
                ShowWindow(running, SW_RESTORE);
            // A process the user has just started may hand the foreground on.
            SetForegroundWindow(running);
            return true;
        }
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(50);
    }
}
