// Property sheet: pages from templates, PSN_* to virtual functions, the modeless sheet in our loop.
#include "platform/PropertySheet.h"

#include "platform/CommonControls.h"
#include "platform/LateDlls.h"

CPropertyPage::CPropertyPage(UINT templateId, DWORD flags) : CDialog(templateId), m_flags(flags)
{
}

HPROPSHEETPAGE CPropertyPage::CreatePage()
{
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DEFAULT | m_flags;
    page.hInstance = GetModuleHandleA(nullptr);
    if (GetMemoryTemplate()) {
        page.dwFlags |= PSP_DLGINDIRECT;
        page.pResource = static_cast<LPCDLGTEMPLATEA>(GlobalLock(GetMemoryTemplate()));
    } else {
        page.pszTemplate = MAKEINTRESOURCEA(GetTemplateId());
    }
    page.pfnDlgProc = PageDialogProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    const HPROPSHEETPAGE handle = orv::late::CreatePropertySheetPageA(&page);
    if (GetMemoryTemplate())
        GlobalUnlock(GetMemoryTemplate());  // fixed memory: the pointer stays valid
    return handle;
}

void CPropertyPage::SetModified(bool changed)
{
    if (!m_hWnd)
        return;
    ::SendMessageA(GetParent(m_hWnd), changed ? PSM_CHANGED : PSM_UNCHANGED,
                   reinterpret_cast<WPARAM>(m_hWnd), 0);
}

bool CPropertyPage::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->hwndFrom != GetParent(m_hWnd))
        return CDialog::OnNotify(header, result);
    switch (header->code) {
    case PSN_SETACTIVE:
        result = OnSetActive() ? 0 : -1;
        return true;
    case PSN_KILLACTIVE:
        result = OnKillActive() ? FALSE : TRUE;
        return true;
    case PSN_APPLY:
        result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return true;
    case PSN_RESET:
        OnReset();
        result = 0;
        return true;
    case PSN_HELP:
        OnHelp();
        result = 0;
        return true;
    }
    return CDialog::OnNotify(header, result);
}

INT_PTR CALLBACK CPropertyPage::PageDialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        // A page gets its PROPSHEETPAGE here, whose lParam is the page object.
        auto* self = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
        self->BindDialog(window);
    }
    return DialogDispatch(static_cast<CDialog*>(FromOwnDialog(window)), window, msg, wParam, lParam);
}

CPropertySheet::CPropertySheet(std::string caption, HWND owner, int startPage)
    : m_caption(std::move(caption)), m_owner(owner), m_startPage(startPage)
{
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd && IsWindow(m_hWnd))
        ::DestroyWindow(m_hWnd);
    while (!m_pages.empty())
        m_pages.pop_back();
}

int CPropertySheet::GetActiveIndex() const
{
    if (!m_hWnd)
        return -1;
    const HWND page = PropSheet_GetCurrentPageHwnd(m_hWnd);
    return page ? static_cast<int>(PropSheet_HwndToIndex(m_hWnd, page)) : -1;
}

void CPropertySheet::SetActivePage(int index)
{
    if (m_hWnd)
        PropSheet_SetCurSel(m_hWnd, nullptr, index);
    else
        m_startPage = index;
}

int CALLBACK CPropertySheet::SheetCallback(HWND, UINT msg, LPARAM lParam)
{
    if (msg == PSCB_PRECREATE && lParam) {
        // Created hidden: the sheet is placed before anyone sees it.
        auto* words = reinterpret_cast<WORD*>(lParam);
        const bool extended = words[0] == 1 && words[1] == 0xFFFF;
        DWORD* style = extended ? reinterpret_cast<DWORD*>(lParam + 12)  // DLGTEMPLATEEX::style
                                : &reinterpret_cast<DLGTEMPLATE*>(lParam)->style;
        *style &= ~static_cast<DWORD>(WS_VISIBLE);
    }
    return 0;
}

INT_PTR CPropertySheet::DoModal()
{
    std::vector<HPROPSHEETPAGE> handles;
    bool anyHelp = false;
    RegisterCommonControls();
    for (const auto& page : m_pages) {
        const HPROPSHEETPAGE handle = page->CreatePage();
        if (!handle) {
            for (HPROPSHEETPAGE made : handles)
                orv::late::DestroyPropertySheetPage(made);
            return -1;
        }
        handles.push_back(handle);
        anyHelp = anyHelp || (page->GetPageFlags() & PSP_HASHELP);
    }

    COwnerDisabler owner(m_owner);
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_MODELESS | PSH_USECALLBACK | (anyHelp ? PSH_HASHELP : 0);
    header.hwndParent = owner.Owner();
    header.hInstance = GetModuleHandleA(nullptr);
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(handles.size());
    header.nStartPage = static_cast<UINT>(m_startPage);
    header.phpage = handles.data();
    header.pfnCallback = SheetCallback;
    m_result = IDCANCEL;
    const auto sheet = reinterpret_cast<HWND>(orv::late::PropertySheetA(&header));
    if (!sheet || sheet == reinterpret_cast<HWND>(-1) || !Attach(sheet)) {
        if (sheet && sheet != reinterpret_cast<HWND>(-1))
            ::DestroyWindow(sheet);
        return -1;
    }
    OnInitSheet();
    ShowWindow(sheet, SW_SHOW);
    RunModalLoop(*this);
    owner.Restore(sheet);
    Detach();
    if (IsWindow(sheet))
        ::DestroyWindow(sheet);
    return m_result;
}

bool CPropertySheet::HasEnded() const
{
    return !m_hWnd || !IsWindow(m_hWnd) || !PropSheet_GetCurrentPageHwnd(m_hWnd);
}

bool CPropertySheet::IsDialogMessageOf(MSG* msg)
{
    return m_hWnd && PropSheet_IsDialogMessage(m_hWnd, msg);
}

bool CPropertySheet::OnCommand(WORD, WORD, HWND)
{
    return false;
}

LRESULT CPropertySheet::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == PSM_PRESSBUTTON) {
        // Pressed from code: the same way as a click, so the sheet's own handlers see it.
        const WORD command = wParam == PSBTN_OK          ? IDOK
                             : wParam == PSBTN_APPLYNOW  ? kApplyButton
                             : wParam == PSBTN_CANCEL    ? IDCANCEL
                             : wParam == PSBTN_HELP      ? IDHELP
                                                         : 0;
        if (command) {
            ::SendMessageA(m_hWnd, WM_COMMAND, command, 0);
            return 0;
        }
    }
    if (msg == WM_COMMAND) {
        const WORD id = LOWORD(wParam);
        if (OnCommand(id, HIWORD(wParam), reinterpret_cast<HWND>(lParam)))
            return 0;
        const LRESULT result = Default(msg, wParam, lParam);
        // OK has gone through every page's PSN_KILLACTIVE and PSN_APPLY when the sheet is done.
        if (id == IDOK && !PropSheet_GetCurrentPageHwnd(m_hWnd))
            m_result = IDOK;
        return result;
    }
    return CModalWnd::WindowProc(msg, wParam, lParam);
}
