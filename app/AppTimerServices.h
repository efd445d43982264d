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
    void ShowHelpTopic(const char* topic) override { m_app.ShowHelpTopic(topic); }
    bool AskYesNo(HWND owner, int textId) override { return m_app.AskYesNo(owner, textId); }
    bool ShowDueMessage(HWND window, const std::string& text) override;

protected:
    void ShowNumbered(int id, int kind, va_list args) override { m_app.ShowNumbered(id, kind, args); }
    // The system's message box; 0 when it could not be made.
    virtual int RunMessageBox(HWND owner, const std::string& text);

private:
    orv::Windows::WinApp& m_app;
    const CCoreHost& m_host;
};
