// Modal loop: every message passes PreTranslateMessage of its window and parents, then
// IsDialogMessage, so accelerators such as F1 work inside dialogs.
#include "platform/Dialog.h"

bool PreTranslateChain(MSG* msg)
{
    for (HWND window = msg->hwnd; window; window = GetParent(window)) {
        CWnd* object = CWnd::FromHandle(window);
        if (object && object->PreTranslateMessage(msg))
            return true;
        if (!(GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
            break;  // owners are not parents
    }
    return false;
}

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
    m_isDialog = true;
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

INT_PTR CDialog::DoModal()
{
    HGLOBAL memory = nullptr;
    const DLGTEMPLATE* dialogTemplate = LockTemplate(memory);
    if (!dialogTemplate)
        return -1;

    m_modalResult = -1;
    m_endRequested = false;
    HWND owner = m_owner && IsWindow(m_owner) ? m_owner : nullptr;
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (owner)
        EnableWindow(owner, FALSE);

    m_running = true;
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), dialogTemplate, owner,
                                             StaticDialogProc, reinterpret_cast<LPARAM>(this));
    if (memory)
        GlobalUnlock(memory);
    if (dialog) {
        if (!m_endRequested && !IsWindowVisible(dialog))
            ShowWindow(dialog, SW_SHOW);
        MSG msg;
        while (!m_endRequested) {
            const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
            if (got == 0) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop ends too
                break;
            }
            if (got == -1)
                break;
            if (PreTranslateChain(&msg) || IsDialogMessageA(dialog, &msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    m_running = false;
    if (owner && ownerWasEnabled) {
        EnableWindow(owner, TRUE);
        // Activate the owner before the dialog goes, so activation does not wander elsewhere.
        if (dialog && GetActiveWindow() == dialog)
            SetActiveWindow(owner);
    }
    if (dialog && IsWindow(dialog))
        ::DestroyWindow(dialog);
    return dialog ? m_modalResult : -1;
}

void CDialog::EndDialog(INT_PTR result)
{
    m_modalResult = result;
    m_endRequested = true;
}

void CDialog::CenterWindow(HWND alternateOwner)
{
    HWND owner = alternateOwner ? alternateOwner : ::GetWindow(m_hWnd, GW_OWNER);
    RECT area{};
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &area);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT own{};
    GetWindowRect(m_hWnd, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    SetWindowPos(m_hWnd, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CDialog::OnCommand(WORD id, WORD, HWND)
{
    switch (id) {
    case IDOK: OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
    }
    return false;
}

INT_PTR CDialog::DialogProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    }
    return FALSE;
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG)
        reinterpret_cast<CDialog*>(lParam)->Bind(window);
    auto* self = static_cast<CDialog*>(FromHandle(window));
    if (!self)
        return FALSE;
    const INT_PTR result = self->DialogProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        self->Unbind();
        self->PostNcDestroy();
    }
    return result;
}
