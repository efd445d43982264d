// Start-up: paths and texts, help in the browser, message topics, first-run schemes, the timer
// window as main window. Shutdown: the timer window saves everything while it is destroyed.
#include "app/MainApp.h"

#include "core/StringUtil.h"
#include "res/resource.h"
#include "settings/DefaultSchemes.h"
#include "timerwnd/TimerWnd.h"

CMainApp::CMainApp() : WinApp(nullptr) {}

CMainApp::~CMainApp() = default;

void CMainApp::RegisterMessageTopics()
{
    for (int id = IDS_ERROR_FIRST; id <= IDS_ERROR_LAST; ++id)
        HelpTopics().RegisterTopic(id, orv::Format("ref_meldungen.html#l_e%d", id - 1900));
    for (int id = IDS_WARNING_FIRST; id <= IDS_WARNING_LAST; ++id)
        HelpTopics().RegisterTopic(id, orv::Format("ref_meldungen.html#l_w%d", id - 2000));
}

BOOL CMainApp::InitInstance()
{
    // A second program would announce the same appointments and, at its end, overwrite what
    // was changed in the first: it shows the first one instead and ends, saving nothing.
    m_instance = std::make_unique<CSingleInstance>("Orvanta.Zielmark");
    if (!m_instance->IsFirst()) {
        CSingleInstance::ActivateRunning(CTimerWnd::kWindowClass, 3000);
        return FALSE;
    }
    if (!WinApp::InitInstance())
        return FALSE;
    m_bHelpInBrowser = true;
    RegisterMessageTopics();
    // A missing scheme file on the first run leaves the scheme list empty; nothing is shown.
    CDefaultSchemes(GetPaths().programFolder + CDefaultSchemes::kFileName).ImportIfFirstRun(*GetProfile());

    m_timerWnd = std::make_unique<CTimerWnd>(*GetProfile(), m_timerServices);
    if (!m_timerWnd->Create()) {
        m_timerWnd.reset();
        return FALSE;
    }
    SetMainWindow(m_timerWnd.get());
    return TRUE;
}

int CMainApp::ExitInstance()
{
    if (m_pMainWnd)
        ReleaseMainWindow();
    m_timerWnd.reset();
    return WinApp::ExitInstance();
}
