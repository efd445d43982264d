// The timer window's services as the application gives them: its modal runs, messages and help,
// and the core host's clock and texts.
#pragma once

#include "framework/WinApp.h"
#include "timerwnd/TimerServices.h"

class CAppTimerServices : public CTimerServices {
public:
    CAppTimerServices(orv::Windows::WinApp& app, const CCoreHost& host) : m_app(app), m_host(host) {}

    const CCoreHost& Host() const override { return m_host; }
    std::string AppName() const override { return m_app.m_strAppName; }
    INT_PTR RunModal(CModalWnd& dialog) override { return m_app.RunModal(dialog); }
    void ShowError(int id) override { m_app.ShowError(id); }
    void ShowHelpTopic(const char* topic) override { m_app.ShowHelpTopic(topic); }
    bool ShowDueMessage(HWND window, const std::string& text) override;

protected:
    // The system's message box; 0 when it could not be made.
    virtual int RunMessageBox(HWND owner, const std::string& text);

private:
    orv::Windows::WinApp& m_app;
    const CCoreHost& m_host;
};
