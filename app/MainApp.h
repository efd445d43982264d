// The application object: start-up and shutdown of Zielmark.
#pragma once

#include "app/SingleInstance.h"
#include "app/Win32CoreHost.h"
#include "framework/WinApp.h"

#include <memory>
#include <string>
#include <vector>

class CTimerWnd;

class CMainApp : public orv::Windows::WinApp {
public:
    CMainApp();
    ~CMainApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

protected:
    // Creates the timer window; null when it or its ticker could not be started.
    virtual CTimerWnd* CreateTimerWindow();

private:
    void RegisterMessageTopics();

    CWin32CoreHost m_coreHost;
    CCoreHost* m_previousHost = nullptr;
    std::unique_ptr<CSingleInstance> m_instance;
};
