// The application object's platform half: instance, name, main window and the message loop.
#pragma once

#include "platform/Wnd.h"

#include <string>

class CWinApp {
public:
    // The one application object registers itself; there is never more than one.
    explicit CWinApp(const char* appName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    static CWinApp* Current();

    // Runs InitInstance, the message loop while it succeeded, then ExitInstance.
    int WinMain(HINSTANCE instance, int showCommand);

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return m_exitCode; }
    // Pumps messages until WM_QUIT; returns its exit code.
    virtual int Run();
    // The main window has received its last message: the message loop ends.
    virtual void OnMainWindowDestroyed();

    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    std::string m_strAppName;
    CWnd* m_pMainWnd = nullptr;

protected:
    int m_exitCode = 0;
};
