// One running program per user session: a named mutex in the session namespace, and the way a
// second start hands over to the first.
#pragma once

#include <windows.h>

#include <string>

class CSingleInstance {
public:
    // `name` is the mutex name without namespace; it is created in "Local\".
    explicit CSingleInstance(const std::string& name);
    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;
    ~CSingleInstance();

    // False when another process of this session already holds the name.
    bool IsFirst() const { return m_first; }

    // Brings the running program's top-level window of this class to the front, waiting up
    // to `timeoutMs` for it to appear (the other one may still be starting). False when none
    // appeared.
    static bool ActivateRunning(const char* windowClass, DWORD timeoutMs);

private:
    HANDLE m_mutex = nullptr;
    bool m_first = false;
};
