// Application object registration and the main message loop.
#include "platform/WinApp.h"

#include "platform/ModalLoop.h"
#include "platform/ResourceText.h"

#include <commctrl.h>

namespace {
CWinApp* g_application = nullptr;  // the one application object
constexpr int kAppTitleId = 57344;  // the application name in the string table
}

CWinApp::CWinApp(const char* appName)
{
    m_strAppName = appName ? appName : LoadResourceText(kAppTitleId);
    m_hInstance = GetModuleHandleA(nullptr);
    g_application = this;
    // List views, date pickers, trackbars and property sheets need their classes registered
    // before the first dialog that holds one is created.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                        ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
}

CWinApp::~CWinApp()
{
    if (g_application == this)
        g_application = nullptr;
}

CWinApp* CWinApp::Current()
{
    return g_application;
}

int CWinApp::WinMain(HINSTANCE instance, int showCommand)
{
    m_hInstance = instance;
    m_nCmdShow = showCommand;
    if (InitInstance())
        m_exitCode = Run();
    return ExitInstance();
}

void CWinApp::OnMainWindowDestroyed()
{
    m_pMainWnd = nullptr;
    PostQuitMessage(0);
}

int CWinApp::Run()
{
    return RunMessageLoop();
}
