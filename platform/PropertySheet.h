// Property sheet and pages on comctl32's PropertySheet, run modeless inside our own loop. The
// sheet owns its pages; each page object travels in PROPSHEETPAGE::lParam and answers the
// PSN_* notifications through virtual functions.
#pragma once

#include "platform/Dialog.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

class CPropertyPage : public CDialog {
public:
    // `flags` are added to the page header (PSP_HASHELP for a "Hilfe" button).
    explicit CPropertyPage(UINT templateId, DWORD flags = 0);

    void AddPageFlags(DWORD flags) { m_flags |= flags; }
    DWORD GetPageFlags() const { return m_flags; }
    // The page handle the sheet is built from; null when it cannot be made.
    HPROPSHEETPAGE CreatePage();
    // Enables (true) or disables (false, when no other page is modified) the Apply button.
    void SetModified(bool changed = true);

protected:
    // PSN_SETACTIVE: false refuses the activation.
    virtual bool OnSetActive() { return true; }
    // PSN_KILLACTIVE: false keeps the page (its data is invalid). Default: take the controls.
    virtual bool OnKillActive() { return UpdateData(true); }
    // PSN_APPLY: false keeps the sheet open on this page.
    virtual bool OnApply() { return true; }
    virtual void OnReset() {}
    virtual void OnHelp() {}

    bool OnNotify(NMHDR* header, LRESULT& result) override;
    // The sheet's buttons are not the page's: Enter and Esc reach the sheet, never EndDialog.
    void OnOK() override {}
    void OnCancel() override {}

private:
    static INT_PTR CALLBACK PageDialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    DWORD m_flags;
};

class CPropertySheet : public CModalWnd {
public:
    static constexpr WORD kApplyButton = 12321;  // ID_APPLY_NOW

    CPropertySheet(std::string caption, HWND owner, int startPage = 0);
    // Removes and deletes every page.
    ~CPropertySheet() override;

    // The sheet takes the page; returns it for the caller's typed pointer.
    template <typename Page>
    Page* AddPage(std::unique_ptr<Page> page)
    {
        Page* const added = page.get();
        m_pages.push_back(std::move(page));
        return added;
    }
    size_t GetPageCount() const { return m_pages.size(); }
    CPropertyPage* GetPage(size_t index) const { return m_pages.at(index).get(); }
    // The index of the page shown, -1 when the sheet has no window.
    int GetActiveIndex() const;
    void SetActivePage(int index);

    // Creates the sheet modeless, disables the owner and runs the loop until OK or Cancel.
    // IDOK when the sheet was closed with OK, IDCANCEL otherwise, -1 when it could not be made.
    INT_PTR DoModal() override;
    bool HasEnded() const override;
    bool IsDialogMessageOf(MSG* msg) override;

protected:
    // After the sheet and its first page exist, before the sheet is shown.
    virtual void OnInitSheet() {}
    // Commands of the sheet's own buttons (12321 Apply, 9 help) and of accelerators; true when
    // handled, false lets the sheet do its default (PSN_APPLY, PSN_HELP to the pages).
    virtual bool OnCommand(WORD id, WORD code, HWND control);
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    static int CALLBACK SheetCallback(HWND window, UINT msg, LPARAM lParam);

    std::string m_caption;
    HWND m_owner;
    int m_startPage;
    INT_PTR m_result = IDCANCEL;
    std::vector<std::unique_ptr<CPropertyPage>> m_pages;
};
