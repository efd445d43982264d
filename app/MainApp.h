// The application object: start-up and shutdown of Zielmark.
#pragma once

#include "app/Win32CoreHost.h"
#include "framework/WinApp.h"

#include <string>
#include <vector>

class CTimerWnd;

class CMainApp : public orv::Windows::WinApp {
public:
    CMainApp();
    ~CMainApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL InitPaths() override;

    // The preposition for an appointment's index, followed by one blank.
    std::string Preposition(int index) const;
    const std::string& ListFileFilter() const { return m_strListFilter; }
    const std::string& ListFileName() const { return m_strListFileName; }
    const std::string& ListFileExtension() const { return m_strListFileExt; }

protected:
    // Creates the timer window; null when it or its ticker could not be started.
    virtual CTimerWnd* CreateTimerWindow();

private:
    void RegisterMessageTopics();

    std::vector<std::string> m_prepositions;
    std::string m_strListFilter;
    std::string m_strListFileName;
    std::string m_strListFileExt;
    CWin32CoreHost m_coreHost;
    CCoreHost* m_previousHost = nullptr;
};
