// Driving modal windows from inside their own message loop: one-shot actions on a thread timer,
// and lookups of the windows and controls a person would see.
#pragma once

#include "tests/unit/TestApp.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Runs `action` once, about `delayMs` later, from whatever message loop is running then.
void AfterDelay(UINT delayMs, std::function<void()> action);

// The visible, enabled top-level dialog of this thread with this title, or null.
HWND FindDialog(const std::string& title);
// The visible top-level dialog of this thread owned by `owner`, or null.
HWND OwnedDialog(HWND owner);
std::vector<HWND> ChildWindows(HWND parent);
std::string TextOf(HWND window);
std::string ClassOf(HWND window);
// The child button with this text, or null.
HWND FindButton(HWND dialog, const std::string& text);

// Live GDI objects of this process, counted slot by slot where the system does not count them.
DWORD GdiObjectCount();
// Windows of this thread, top-level and child.
size_t ThreadWindowCount();

// Types a key into the window with the focus, through the message loop as a keyboard would.
void PostKey(HWND target, UINT virtualKey);

// An application base whose help display only records the topics it was asked for.
class CRecordingApp : public CTestApp {
public:
    CRecordingApp() : CTestApp("Zielmark") {}
    void ShowHelpTopic(const char* topic) override { topics.push_back(topic ? topic : "(null)"); }
    std::vector<std::string> topics;
};

// A plain top-level window to serve as main window and owner.
class CPlainWindow : public CWnd {
public:
    CPlainWindow();
};

// A small empty modal dialog from an in-memory template.
class CEmptyDialog : public CDialog {
public:
    explicit CEmptyDialog(HWND owner);
    ~CEmptyDialog() override;

protected:
    BOOL OnInitDialog() override
    {
        SetWindowText("Testdialog");
        return TRUE;
    }

private:
    HGLOBAL m_template;
};
