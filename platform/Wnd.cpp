// Window base: class registration, the shared window procedure and self-deletion.
#include "platform/Wnd.h"

#include "platform/WinApp.h"

#include <vector>

namespace {
// A window property rather than GWLP_USERDATA: FromHandle is asked about foreign windows too
// (controls in the pre-translate chain), whose user data may hold anything.
const char kObjectProperty[] = "Zielmark.CWnd";
}  // namespace

CWnd::~CWnd()
{
    // An object destroyed before its window must not be called again.
    if (m_hWnd && IsWindow(m_hWnd)) {
        RemovePropA(m_hWnd, kObjectProperty);
        if (!m_isDialog)
            ::DestroyWindow(m_hWnd);
    }
}

CWnd* CWnd::FromHandle(HWND window)
{
    if (!window)
        return nullptr;
    return static_cast<CWnd*>(GetPropA(window, kObjectProperty));
}

void CWnd::Unbind()
{
    if (m_hWnd)
        RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

void CWnd::Bind(HWND window)
{
    m_hWnd = window;
    SetPropA(window, kObjectProperty, this);
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

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Default(msg, wParam, lParam);
}

LRESULT CWnd::Default(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        static_cast<CWnd*>(create->lpCreateParams)->Bind(window);
    }
    CWnd* self = FromHandle(window);
    if (!self)
        return DefWindowProcA(window, msg, wParam, lParam);
    const LRESULT result = self->WindowProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        self->Unbind();
        if (CWinApp* app = CWinApp::Current(); app && app->m_pMainWnd == self)
            app->OnMainWindowDestroyed();
        if (!self->m_creating)
            self->PostNcDestroy();
    }
    return result;
}
