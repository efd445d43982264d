// Window base: class registration, the shared window procedures, reflection and self-deletion.
#include "platform/Wnd.h"

#include <commctrl.h>

#include <vector>

namespace {
// A window property rather than GWLP_USERDATA: FromHandle is asked about foreign windows too
// (controls in the pre-translate chain), whose user data may hold anything.
const char kObjectProperty[] = "Zielmark.CWnd";
constexpr UINT_PTR kSubclassId = 0x5A4D;  // "ZM"

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
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
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
    RemovePropA(m_hWnd, kObjectProperty);
    if (m_binding == Binding::Created)
        ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND window)
{
    if (!window)
        return nullptr;
    return static_cast<CWnd*>(GetPropA(window, kObjectProperty));
}

void CWnd::Bind(HWND window)
{
    m_hWnd = window;
    SetPropA(window, kObjectProperty, this);
}

void CWnd::Unbind()
{
    if (m_hWnd)
        RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
    m_binding = Binding::None;
}

bool CWnd::Attach(HWND window)
{
    if (!window || m_hWnd || FromHandle(window))
        return false;
    if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    Bind(window);
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
    RemoveWindowSubclass(window, SubclassProc, kSubclassId);
    Unbind();
    return window;
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

std::string CWnd::GetWindowText() const
{
    const int length = GetWindowTextLengthA(m_hWnd);
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    return text.data();
}

void CWnd::SetWindowText(const std::string& text)
{
    ::SetWindowTextA(m_hWnd, text.c_str());
}

CWnd* CWnd::GetParentOwner() const
{
    HWND window = m_hWnd;
    while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
        window = GetParent(window);
    return FromHandle(window);
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
    if (m_binding == Binding::Attached)
        return DefSubclassProc(m_hWnd, msg, wParam, lParam);
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
    }
    CWnd* self = FromHandle(window);
    if (!self)
        return DefWindowProcA(window, msg, wParam, lParam);
    const LRESULT result = self->Dispatch(msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
        self->AfterLastMessage();
    return result;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR selfData)
{
    auto* self = reinterpret_cast<CWnd*>(selfData);
    const LRESULT result = self->Dispatch(msg, wParam, lParam);
    if (msg == WM_NCDESTROY && self->m_hWnd == window) {
        // The window goes; the object stays with its owner, unbound.
        RemoveWindowSubclass(window, SubclassProc, kSubclassId);
        self->AfterLastMessage();
    }
    return result;
}
