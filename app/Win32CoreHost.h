// The core's services on Windows: local clock, OLE locale date text, string table, message box.
#pragma once

#include "core/CoreHost.h"
#include "platform/ResourceText.h"

#include <windows.h>

class CWin32CoreHost : public CCoreHost {
public:
    // `locale` is the locale of the date text; tests pin one, the program uses the user's.
    explicit CWin32CoreHost(LCID locale = LOCALE_USER_DEFAULT) : m_locale(locale) {}
    CWin32CoreHost(const CWin32CoreHost&) = delete;
    CWin32CoreHost& operator=(const CWin32CoreHost&) = delete;
    ~CWin32CoreHost() override = default;

    void SetMainWindow(HWND window) { m_mainWindow = window; }
    HWND MainWindow() const { return m_mainWindow; }

    CDateTime Now() const override;
    std::string FormatDateTime(const CDateTime& value) const override;
    bool ParseDateTime(const std::string& text, CDateTime& value) const override;
    std::string LoadText(int id) const override;
    bool HasMainWindow() const override { return m_mainWindow != nullptr; }
    bool ShowDueMessage(const std::string& text) override;

protected:
    // The system's message box; 0 when it could not be made.
    virtual int RunMessageBox(HWND owner, const std::string& text);

private:
    LCID m_locale;
    HWND m_mainWindow = nullptr;
};
