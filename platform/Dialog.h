// Modal dialogs from a resource or an in-memory template, run in our own modal loop.
#pragma once

#include "platform/Wnd.h"

class CDialog : public CWnd {
public:
    // A dialog from the resource template `templateId` (0 for an in-memory template).
    explicit CDialog(UINT templateId = 0, HWND owner = nullptr);

    // Uses a template in global memory; the caller keeps owning it.
    void InitModalIndirect(HGLOBAL dialogTemplate, HWND owner);
    void SetOwner(HWND owner) { m_owner = owner; }
    HWND GetOwner() const { return m_owner; }

    // Creates the dialog modeless, disables the owner and pumps messages until EndDialog.
    // Returns the modal result, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(INT_PTR result);
    bool IsRunning() const { return m_running; }

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void CenterWindow(HWND alternateOwner = nullptr);

protected:
    // Answers dialog messages; returns what a dialog procedure returns (TRUE when handled).
    virtual INT_PTR DialogProc(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnInitDialog() { return TRUE; }
    // True when the command was handled.
    virtual bool OnCommand(WORD id, WORD code, HWND control);
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnDestroy() {}

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    const DLGTEMPLATE* LockTemplate(HGLOBAL& resourceOrMemory) const;

    UINT m_templateId;
    HGLOBAL m_memoryTemplate = nullptr;
    HWND m_owner;
    INT_PTR m_modalResult = -1;
    bool m_running = false;
    bool m_endRequested = false;
};

// A dialog template in fixed, zero-filled global memory: no controls, menu, class, title or font.
// The caller frees it with GlobalFree; null when the memory cannot be had.
HGLOBAL AllocDialogTemplate(DWORD style, short width, short height);

// Offers a message to the window it is for and to its parents up to the top-level window.
bool PreTranslateChain(MSG* msg);
