// Window base: class registration, the shared window procedures, reflection and self-deletion.
#include "platform/Wnd.h"

#include <commctrl.h>

#include <vector>

namespace {
// The property names the object of every bound window: a dialog's, and the authority for a
// window whose procedure someone else has replaced after us. Windows running a procedure of
// ours also keep the object in their user data, which is read without the window manager's
// property table (a round trip to the server under Wine, on every message).
const char kObjectProperty[] = "Zielmark.CWnd";
// The procedure an attached window had before; read only when our subclass could not be taken
// out again and outlives its object.
const char kOriginalProcProperty[] = "Zielmark.WndProc";

CWnd* UserDataObject(HWND window)
{
    return reinterpret_cast<CWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The child control a message to `parent` is about, or null.
HWND ControlOf(HWND parent, UINT msg, WPARAM, LPARAM lParam)
{
    switch (msg) {
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);  // null for menus and accelerators
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        // Only from a child: a page also gets WM_NOTIFY from its sheet, which is its parent.
        return header && GetParent(header->hwndFrom) == parent ? header->hwndFrom : nullptr;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU ? GetDlgItem(parent, static_cast<int>(item->CtlID))
                                                 : nullptr;
    }
    case WM_COMPAREITEM: {
        const auto* item = reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam);
        return item ? item->hwndItem : nullptr;
    }
    case WM_DELETEITEM: {
        const auto* item = reinterpret_cast<const DELETEITEMSTRUCT*>(lParam);
        return item ? item->hwndItem : nullptr;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    // A scroll bar or trackbar control; null for the window's own scroll bars.
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return reinterpret_cast<HWND>(lParam);
    }
    return nullptr;
}

}  // namespace

CWnd::~CWnd()
{
    if (!m_hWnd || !IsWindow(m_hWnd))
        return;
    if (m_binding == Binding::Attached) {
        Detach();
        return;
    }
    // An object destroyed before its window must not be called again.
    const HWND window = m_hWnd;
    const bool created = m_binding == Binding::Created;
    Unbind();
    if (created)
        ::DestroyWindow(window);
}

CWnd* CWnd::FromHandle(HWND window)
{
    if (!window)
        return nullptr;
    if (GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&AttachedProc) ||
        GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&StaticProc))
        return UserDataObject(window);
    return static_cast<CWnd*>(GetPropA(window, kObjectProperty));
}

void CWnd::Bind(HWND window)
{
    m_hWnd = window;
    SetPropA(window, kObjectProperty, this);
}

void CWnd::BindDialog(HWND window)
{
    Bind(window);
    m_binding = Binding::Dialog;
    SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
}

CWnd* CWnd::FromOwnDialog(HWND window)
{
    return reinterpret_cast<CWnd*>(GetWindowLongPtrW(window, DWLP_USER));
}

void CWnd::Unbind()
{
    if (m_hWnd) {
        RemovePropA(m_hWnd, kObjectProperty);
        if (m_objectInUserData)
            SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
        if (m_binding == Binding::Dialog)
            SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
    }
    m_hWnd = nullptr;
    m_binding = Binding::None;
    m_objectInUserData = false;
}

bool CWnd::Attach(HWND window)
{
    if (!window || m_hWnd || FromHandle(window))
        return false;
    // A window still carrying a subclass of ours from an object that could not take it out
    // would chain into it twice.
    if (GetPropA(window, kOriginalProcProperty))
        return false;
    // Our own subclass, not the common controls' one: that finds its chain through a window
    // property on every message. Unicode like theirs, so the messages reach WindowProc in the
    // same form as before. The object goes into the user data when the window leaves it free.
    const bool userDataFree = GetWindowLongPtrW(window, GWLP_USERDATA) == 0;
    Bind(window);
    if (userDataFree) {
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_objectInUserData = true;
    }
    const WNDPROC procedure = userDataFree ? &AttachedProc : &AttachedPropProc;
    // Given back in its own flavour on Detach, so an ANSI window stays one.
    m_originalUnicode = IsWindowUnicode(window) != FALSE;
    m_ownProc = m_originalUnicode ? GetWindowLongPtrW(window, GWLP_WNDPROC) : GetWindowLongPtrA(window, GWLP_WNDPROC);
    m_originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    if (!m_originalProc) {
        Unbind();
        return false;
    }
    SetPropA(window, kOriginalProcProperty, reinterpret_cast<HANDLE>(m_originalProc));
    m_binding = Binding::Attached;
    return true;
}

bool CWnd::AttachDlgItem(int id, HWND dialog)
{
    return Attach(::GetDlgItem(dialog, id));
}

HWND CWnd::Detach()
{
    const HWND window = m_hWnd;
    if (m_binding != Binding::Attached || !window)
        return nullptr;
    Unsubclass();
    Unbind();
    return window;
}

void CWnd::Unsubclass()
{
    const LONG_PTR current = GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC);
    if (current == reinterpret_cast<LONG_PTR>(&AttachedProc) || current == reinterpret_cast<LONG_PTR>(&AttachedPropProc)) {
        if (m_originalUnicode)
            SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, m_ownProc);
        else
            SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, m_ownProc);
        RemovePropA(m_hWnd, kOriginalProcProperty);
    }
    // Otherwise someone subclassed the window after us: our procedure stays in their chain and
    // passes every message on to the original one, found through the property.
    m_originalProc = nullptr;
    m_ownProc = 0;
}

bool CWnd::CreateEx(const WindowClass& windowClass, DWORD exStyle, const std::string& title,
                    DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExA(instance, windowClass.name, &existing)) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof(wc);
        wc.style = windowClass.style;
        wc.lpfnWndProc = StaticProc;
        wc.hInstance = instance;
        wc.hIcon = windowClass.icon;
        wc.hIconSm = windowClass.icon;
        wc.hCursor = windowClass.cursor ? windowClass.cursor : LoadCursor(nullptr, IDC_ARROW);
        wc.hbrBackground = windowClass.background;
        wc.lpszClassName = windowClass.name;
        if (!RegisterClassExA(&wc))
            return false;
    }
    // A creation that fails after WM_NCCREATE still ends in WM_NCDESTROY; the caller keeps the
    // object then, so a self-owning window must not delete itself.
    m_creating = true;
    const HWND created = CreateWindowExA(exStyle, windowClass.name, title.c_str(), style, x, y,
                                         width, height, parent, menu, instance, this);
    m_creating = false;
    return created != nullptr;
}

bool CWnd::DestroyWindow()
{
    return m_hWnd && ::DestroyWindow(m_hWnd);
}

bool CWnd::PreTranslateMessage(MSG*)
{
    return false;
}

bool CWnd::IsDialogMessageOf(MSG*)
{
    return false;
}

std::string WindowTextOf(HWND window)
{
    if (!window)
        return {};
    const int length = GetWindowTextLengthA(window);
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowTextA(window, text.data(), length + 1);
    return text.data();
}

std::string CWnd::GetWindowText() const
{
    return WindowTextOf(m_hWnd);
}

void CWnd::SetWindowText(const std::string& text)
{
    ::SetWindowTextA(m_hWnd, text.c_str());
}

LRESULT CWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, msg, wParam, lParam);
}

void CWnd::EnableWindow(bool enable) const
{
    ::EnableWindow(m_hWnd, enable ? TRUE : FALSE);
}

bool CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd) != FALSE;
}

void CWnd::Invalidate(bool erase) const
{
    ::InvalidateRect(m_hWnd, nullptr, erase ? TRUE : FALSE);
}

void CWnd::SetFocus() const
{
    ::SetFocus(m_hWnd);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Default(msg, wParam, lParam);
}

LRESULT CWnd::Default(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (m_binding == Binding::Attached && m_originalProc)
        return CallWindowProcW(m_originalProc, m_hWnd, msg, wParam, lParam);
    return DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

bool CWnd::OnMessageReflect(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

bool CWnd::OnNotifyReflect(NMHDR*, LRESULT&)
{
    return false;
}

bool CWnd::ReflectToChild(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const HWND control = ControlOf(parent, msg, wParam, lParam);
    CWnd* object = control && control != parent ? FromHandle(control) : nullptr;
    if (!object)
        return false;
    if (msg == WM_NOTIFY)
        return object->OnNotifyReflect(reinterpret_cast<NMHDR*>(lParam), result);
    return object->OnMessageReflect(msg, wParam, lParam, result);
}

LRESULT CWnd::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (ReflectToChild(m_hWnd, msg, wParam, lParam, result))
        return result;
    return WindowProc(msg, wParam, lParam);
}

void CWnd::AfterLastMessage()
{
    Unbind();
    if (m_afterLastMessage) {
        const std::function<void()> handler = std::move(m_afterLastMessage);
        m_afterLastMessage = nullptr;
        handler();
    }
    if (!m_creating)
        PostNcDestroy();
}

LRESULT CALLBACK CWnd::StaticProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<CWnd*>(create->lpCreateParams);
        self->Bind(window);
        self->m_binding = Binding::Created;
        // Our own class: the user data is ours.
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_objectInUserData = true;
    }
    CWnd* self = UserDataObject(window);
    if (!self)
        return DefWindowProcA(window, msg, wParam, lParam);
    const LRESULT result = self->Dispatch(msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
        self->AfterLastMessage();
    return result;
}

LRESULT CALLBACK CWnd::AttachedProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return AttachedDispatch(UserDataObject(window), window, msg, wParam, lParam);
}

LRESULT CALLBACK CWnd::AttachedPropProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return AttachedDispatch(static_cast<CWnd*>(GetPropA(window, kObjectProperty)), window, msg, wParam, lParam);
}

LRESULT CWnd::AttachedDispatch(CWnd* self, HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!self || self->m_hWnd != window) {
        // The object let go while another subclass kept ours in the chain.
        const auto original = reinterpret_cast<WNDPROC>(GetPropA(window, kOriginalProcProperty));
        if (msg == WM_NCDESTROY)
            RemovePropA(window, kOriginalProcProperty);
        return original ? CallWindowProcW(original, window, msg, wParam, lParam)
                        : DefWindowProcW(window, msg, wParam, lParam);
    }
    const LRESULT result = self->Dispatch(msg, wParam, lParam);
    if (msg == WM_NCDESTROY && self->m_hWnd == window) {
        // The window goes; the object stays with its owner, unbound.
        self->Unsubclass();
        RemovePropA(window, kOriginalProcProperty);
        self->AfterLastMessage();
    }
    return result;
}
