// One message loop for everything that runs modally or modeless: dialogs, property sheets and
// the application itself. Each message passes PreTranslateMessage of its window and parents
// (accelerators such as F1), then the dialog handling of what runs (Tab, Enter, mnemonics).
#pragma once

#include "platform/Wnd.h"

// A window that can run modally: it tells the loop which messages are its dialog messages and
// when it has ended.
class CModalWnd : public CWnd {
public:
    virtual INT_PTR DoModal() = 0;
    virtual bool HasEnded() const = 0;
    // The window that owns messages and help while this one runs: itself by default.
    virtual CWnd* MessageOwner() { return this; }
};

// Offers a message to the window it is for and to its parents up to the top-level window.
bool PreTranslateChain(MSG* msg);

// Pumps messages until `running` has ended. Returns false when WM_QUIT arrived; it is posted
// again so that the outer loop ends too.
bool RunModalLoop(CModalWnd& running);

// The application's loop: until WM_QUIT, whose exit code it returns. Modeless dialogs and
// sheets get their dialog messages through their top-level window.
int RunMessageLoop();

// Disables an owner for a modal run and gives it back its state and activation afterwards.
class COwnerDisabler {
public:
    explicit COwnerDisabler(HWND owner);
    COwnerDisabler(const COwnerDisabler&) = delete;
    COwnerDisabler& operator=(const COwnerDisabler&) = delete;
    // Re-enables the owner before `closing` goes, so activation does not wander elsewhere.
    void Restore(HWND closing);
    ~COwnerDisabler() { Restore(nullptr); }
    HWND Owner() const { return m_owner; }

private:
    HWND m_owner;
    bool m_wasEnabled;
    bool m_restored = false;
};
