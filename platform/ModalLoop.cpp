// The message loop shared by modal runs and the application.
#include "platform/ModalLoop.h"

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

namespace {

// Paints, timers and a window's private messages are no input: no accelerator, dialog
// navigation or help filter acts on them, and a dialog's IsDialogMessage would only dispatch
// them. They skip the look-ups of the chain, which the timer window's ticks pay many times a
// second.
bool NeedsTranslation(const MSG& msg)
{
    return msg.message != WM_PAINT && msg.message != WM_TIMER && !(msg.message >= WM_USER && msg.message < 0xC000);
}

// The dialog handling of the top-level window the message is for, if it has any.
bool TopLevelDialogMessage(MSG* msg)
{
    const HWND top = msg->hwnd ? GetAncestor(msg->hwnd, GA_ROOT) : nullptr;
    CWnd* object = CWnd::FromHandle(top);
    return object && object->IsDialogMessageOf(msg);
}

}  // namespace

bool RunModalLoop(CModalWnd& running)
{
    MSG msg;
    while (!running.HasEnded()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (got == -1)
            return false;
        if (NeedsTranslation(msg) &&
            (PreTranslateChain(&msg) || running.IsDialogMessageOf(&msg) || TopLevelDialogMessage(&msg)))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

int RunMessageLoop()
{
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(msg.wParam);
        if (got == -1)
            return -1;
        if (NeedsTranslation(msg) && (PreTranslateChain(&msg) || TopLevelDialogMessage(&msg)))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

namespace {

// A child window (a property page) cannot own a dialog: its top-level window does.
HWND TopLevelOwner(HWND owner)
{
    if (!owner || !IsWindow(owner))
        return nullptr;
    return (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD) ? GetAncestor(owner, GA_ROOT) : owner;
}

}  // namespace

COwnerDisabler::COwnerDisabler(HWND owner)
    : m_owner(TopLevelOwner(owner)),
      m_wasEnabled(m_owner && IsWindowEnabled(m_owner))
{
    if (m_wasEnabled)
        EnableWindow(m_owner, FALSE);
}

void COwnerDisabler::Restore(HWND closing)
{
    if (m_restored)
        return;
    m_restored = true;
    if (!m_wasEnabled || !IsWindow(m_owner))
        return;
    EnableWindow(m_owner, TRUE);
    if (closing && GetActiveWindow() == closing)
        SetActiveWindow(m_owner);
}
