// Application object registration and the main message loop.
#include "platform/WinApp.h"

#include "platform/Dialog.h"
#include "platform/ResourceText.h"

namespace {
CWinApp* g_application = nullptr;  // the one application object
constexpr int kAppTitleId = 57344;  // the application name in the string table
}

CWinApp::CWinApp(const char* appName)
{
    m_strAppName = appName ? appName : LoadResourceText(kAppTitleId);
    m_hInstance = GetModuleHandleA(nullptr);
    g_application = this;
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
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(msg.wParam);
        if (got == -1)
            return -1;
        if (PreTranslateChain(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
