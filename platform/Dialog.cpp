// Dialogs: templates, the dialog procedure with message results, modal and modeless runs.
#include "platform/Dialog.h"

#include "platform/CommonControls.h"
#include "platform/MonitorArea.h"

HGLOBAL AllocDialogTemplate(DWORD style, short width, short height)
{
    // The header and the three empty words after it (menu, class, title) fit in 32 bytes.
    HGLOBAL memory = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, 32);
    if (!memory)
        return nullptr;
    auto* dialogTemplate = static_cast<DLGTEMPLATE*>(GlobalLock(memory));
    dialogTemplate->style = style;
    dialogTemplate->cx = width;
    dialogTemplate->cy = height;
    GlobalUnlock(memory);
    return memory;
}

CDialog::CDialog(UINT templateId, HWND owner) : m_templateId(templateId), m_owner(owner)
{
}

void CDialog::InitModalIndirect(HGLOBAL dialogTemplate, HWND owner)
{
    m_templateId = 0;
    m_memoryTemplate = dialogTemplate;
    m_owner = owner;
}

const DLGTEMPLATE* CDialog::LockTemplate(HGLOBAL& memory) const
{
    if (m_memoryTemplate) {
        memory = m_memoryTemplate;
        return static_cast<const DLGTEMPLATE*>(GlobalLock(m_memoryTemplate));
    }
    memory = nullptr;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(m_templateId), MAKEINTRESOURCEA(5));
    if (!resource)
        return nullptr;
    HGLOBAL loaded = LoadResource(instance, resource);
    return loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
}

HWND CDialog::CreateFromTemplate(HWND owner)
{
    HGLOBAL memory = nullptr;
    const DLGTEMPLATE* dialogTemplate = LockTemplate(memory);
    if (!dialogTemplate)
        return nullptr;
    m_modalResult = -1;
    m_endRequested = false;
    RegisterCommonControls();
    const HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialogTemplate, owner,
                                                   StaticDialogProc, reinterpret_cast<LPARAM>(this));
    if (memory)
        GlobalUnlock(memory);
    return dialog;
}

INT_PTR CDialog::DoModal()
{
    COwnerDisabler owner(m_owner);
    m_running = true;
    const HWND dialog = CreateFromTemplate(owner.Owner());
    if (dialog) {
        if (!m_endRequested && !IsWindowVisible(dialog))
            ShowWindow(dialog, SW_SHOW);
        RunModalLoop(*this);
    }
    m_running = false;
    owner.Restore(dialog);
    if (dialog && IsWindow(dialog))
        ::DestroyWindow(dialog);
    return dialog ? m_modalResult : -1;
}

bool CDialog::Create(HWND owner)
{
    m_owner = owner;
    return CreateFromTemplate(owner) != nullptr;
}

void CDialog::EndDialog(INT_PTR result)
{
    m_modalResult = result;
    m_endRequested = true;
    // A modeless dialog has no loop that would destroy it.
    if (!m_running && m_hWnd)
        ::DestroyWindow(m_hWnd);
}

bool CDialog::IsDialogMessageOf(MSG* msg)
{
    return m_hWnd && IsDialogMessageA(m_hWnd, msg);
}

void CDialog::CenterWindow(HWND alternateOwner)
{
    HWND owner = alternateOwner ? alternateOwner : ::GetWindow(m_hWnd, GW_OWNER);
    RECT own{};
    GetWindowRect(m_hWnd, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    // Centre on the owner, but never beyond the work area of the owner's monitor.
    const RECT work = orv::WorkAreaOf(owner ? owner : m_hWnd);
    RECT area = work;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &area);
    const POINT centred{area.left + (area.right - area.left - width) / 2,
                        area.top + (area.bottom - area.top - height) / 2};
    const POINT topLeft = orv::KeepInArea(centred, SIZE{width, height}, work);
    SetWindowPos(m_hWnd, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::EnableItem(int id, bool enable) const
{
    if (const HWND item = GetDlgItem(id))
        ::EnableWindow(item, enable ? TRUE : FALSE);
}

bool CDialog::IsItemChecked(int id) const
{
    return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

void CDialog::CheckItem(int id, bool checked) const
{
    if (GetDlgItem(id))
        ::CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

std::string CDialog::GetItemText(int id) const
{
    return WindowTextOf(GetDlgItem(id));
}

void CDialog::SetItemText(int id, const std::string& text) const
{
    if (const HWND item = GetDlgItem(id))
        ::SetWindowTextA(item, text.c_str());
}

bool CDialog::UpdateData(bool save)
{
    CDataExchange exchange(m_hWnd, save);
    if (DoDataExchange(exchange))
        return true;
    if (const int failed = exchange.FailedControl())
        ::SetFocus(GetDlgItem(failed));
    return false;
}

bool CDialog::OnCommand(WORD id, WORD, HWND)
{
    switch (id) {
    case IDOK: OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
    }
    return false;
}

bool CDialog::OnNotify(NMHDR*, LRESULT&)
{
    return false;
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)))
            return 0;
        break;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (OnNotify(reinterpret_cast<NMHDR*>(lParam), result))
            return result;
        break;
    }
    case WM_DESTROY:
        OnDestroy();
        break;
    }
    return Default(msg, wParam, lParam);
}

LRESULT CDialog::Default(UINT, WPARAM, LPARAM)
{
    if (m_unhandled)
        *m_unhandled = true;
    return 0;
}

INT_PTR CDialog::DialogDispatch(CDialog* self, HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!self)
        return FALSE;
    bool unhandled = false;
    bool* const outer = self->m_unhandled;
    self->m_unhandled = &unhandled;
    const LRESULT result = self->Dispatch(msg, wParam, lParam);
    self->m_unhandled = outer;
    if (msg == WM_NCDESTROY) {
        self->AfterLastMessage();  // may delete the object
        return FALSE;
    }
    if (unhandled)
        return FALSE;
    switch (msg) {
    // These answer through the return value itself.
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return static_cast<INT_PTR>(result);
    }
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        self->BindDialog(window);
    }
    return DialogDispatch(static_cast<CDialog*>(FromOwnDialog(window)), window, msg, wParam, lParam);
}
