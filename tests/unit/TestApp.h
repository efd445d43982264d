// An application base for tests: the portable core host serves, or the one a test hands it.
#pragma once

#include "core/CoreHost.h"
#include "framework/WinApp.h"

class CTestApp : public orv::Windows::WinApp {
public:
    explicit CTestApp(const char* appName = nullptr) : WinApp(appName) {}

    const CCoreHost& Host() const override { return m_host ? *m_host : m_portable; }
    // `host` serves from now on; it outlives the application's use of it.
    void UseHost(const CCoreHost& host) { m_host = &host; }

private:
    CPortableCoreHost m_portable;
    const CCoreHost* m_host = nullptr;
};
