// The application object: start-up and shutdown of Zielmark.
#pragma once

#include "app/AppTimerServices.h"
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
    const CCoreHost& Host() const override { return m_coreHost; }

private:
    void RegisterMessageTopics();

    CWin32CoreHost m_coreHost;
    CAppTimerServices m_timerServices{*this, m_coreHost};
    std::unique_ptr<CSingleInstance> m_instance;
    // Outlives its window: a due message open over the window returns into the object.
    std::unique_ptr<CTimerWnd> m_timerWnd;
};
