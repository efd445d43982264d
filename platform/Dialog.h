// Dialogs from a resource or an in-memory template, modal in our own message loop or modeless.
#pragma once

#include "platform/DataExchange.h"
#include "platform/ModalLoop.h"

#include <string>

class CDialog : public CModalWnd {
public:
    // A dialog from the resource template `templateId` (0 for an in-memory template).
    explicit CDialog(UINT templateId = 0, HWND owner = nullptr);

    // Uses a template in global memory; the caller keeps owning it.
    void InitModalIndirect(HGLOBAL dialogTemplate, HWND owner);
    UINT GetTemplateId() const { return m_templateId; }
    HGLOBAL GetMemoryTemplate() const { return m_memoryTemplate; }

    // Creates the dialog modeless, disables the owner and runs the modal loop until EndDialog.
    // Returns the modal result, or -1 when the dialog could not be created.
    INT_PTR DoModal() override;
    // Creates the dialog modeless (the application's loop serves it); false when it fails.
    bool Create(HWND owner);
    void EndDialog(INT_PTR result);
    bool HasEnded() const override { return m_endRequested || !m_hWnd; }
    bool IsDialogMessageOf(MSG* msg) override;

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    // A plain control switched by its id, so that it needs no object of its own. A missing
    // control is left alone and reads as unchecked and empty.
    void EnableItem(int id, bool enable) const;
    bool IsItemChecked(int id) const;
    void CheckItem(int id, bool checked) const;
    std::string GetItemText(int id) const;
    void SetItemText(int id, const std::string& text) const;
    void CenterWindow(HWND alternateOwner = nullptr);
    // Moves the values between the controls and the members; false (and the focus on the
    // control that failed) when a value cannot be taken.
    bool UpdateData(bool save);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // For a dialog, the default handling is the dialog manager's: the message is left unhandled.
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam) override;

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual bool DoDataExchange(CDataExchange&) { return true; }
    // True when the command was handled.
    virtual bool OnCommand(WORD id, WORD code, HWND control);
    // True when the notification was handled; the answer goes into `result`.
    virtual bool OnNotify(NMHDR* header, LRESULT& result);
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnDestroy() {}

    // The dialog procedure of every dialog of ours; `self` is bound at WM_INITDIALOG.
    static INT_PTR DialogDispatch(CDialog* self, HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    const DLGTEMPLATE* LockTemplate(HGLOBAL& resourceOrMemory) const;
    HWND CreateFromTemplate(HWND owner);

    UINT m_templateId;
    HGLOBAL m_memoryTemplate = nullptr;
    HWND m_owner;
    INT_PTR m_modalResult = -1;
    bool m_running = false;
    bool m_endRequested = false;
    bool* m_unhandled = nullptr;  // set while a message is dispatched: Default marks it
};

// A dialog template in fixed, zero-filled global memory: no controls, menu, class, title or font.
// The caller frees it with GlobalFree; null when the memory cannot be had.
HGLOBAL AllocDialogTemplate(DWORD style, short width, short height);
