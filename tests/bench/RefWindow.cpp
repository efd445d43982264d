// The idle benchmark's reference: a window that its own ticker thread asks to repaint every
// 120 ms, and whose paint only copies a finished bitmap. Arguments: client width and height.
#include "platform/Gdi.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>

namespace {

constexpr UINT kTickMessage = WM_USER + 1;
constexpr DWORD kTickInterval = 120;
const char kClassName[] = "ZielmarkBenchRef";

// Sleeps and posts, nothing else; joined before the window goes away.
class CTicker {
public:
    explicit CTicker(HWND window)
        : m_thread([this, window] {
              while (!m_stop) {
                  Sleep(kTickInterval);
                  if (!m_stop)
                      PostMessageA(window, kTickMessage, 0, 0);
              }
          })
    {
    }
    CTicker(const CTicker&) = delete;
    CTicker& operator=(const CTicker&) = delete;
    ~CTicker()
    {
        m_stop = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// The finished picture, drawn once.
class CPicture {
public:
    CPicture(HWND window, int width, int height)
        : m_width(width), m_height(height), m_dc(CClientDC(window).Get()),
          m_bitmap(CreateCompatibleBitmap(CClientDC(window).Get(), width, height)),
          m_selection(m_dc.Get(), m_bitmap.Get())
    {
        RECT rect{0, 0, width, height};
        const CBrush back(CreateSolidBrush(RGB(0, 64, 128)));
        FillRect(m_dc.Get(), &rect, back.Get());
        SetTextColor(m_dc.Get(), RGB(255, 255, 255));
        SetBkMode(m_dc.Get(), TRANSPARENT);
        TextOutA(m_dc.Get(), 5, 5, "Referenz", 8);
    }
    bool IsValid() const { return m_dc.Get() && m_bitmap; }
    void Paint(HDC target) const
    {
        BitBlt(target, 0, 0, m_width, m_height, m_dc.Get(), 0, 0, SRCCOPY);
    }

private:
    int m_width;
    int m_height;
    CMemoryDC m_dc;
    CBitmap m_bitmap;
    CSelection m_selection;
};

struct CRefState {
    std::unique_ptr<CPicture> picture;
    std::unique_ptr<CTicker> ticker;
};

CRefState* StateOf(HWND window)
{
    return reinterpret_cast<CRefState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK RefWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case kTickMessage:
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_PAINT: {
        const CPaintDC dc(window);
        if (CRefState* state = StateOf(window); state && state->picture)
            state->picture->Paint(dc.Get());
        return 0;
    }
    case WM_CLOSE:
        if (CRefState* state = StateOf(window))
            state->ticker.reset();  // no tick may arrive for a destroyed window
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    int width = 300, height = 30;
    if (commandLine && *commandLine &&
        (std::sscanf(commandLine, "%d %d", &width, &height) != 2 || width <= 0 || height <= 0))
        return 2;

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = RefWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;  // no background brush: the paint covers everything
    if (!RegisterClassExA(&wc))
        return 3;

    // The same size as the measured window's client area, below it.
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, WS_POPUP, FALSE, WS_EX_TOOLWINDOW);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, "Referenz",
                                  WS_POPUP, 20, 160, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 4;
    CRefState state;
    state.picture = std::make_unique<CPicture>(window, width, height);
    if (!state.picture->IsValid()) {
        DestroyWindow(window);
        return 5;
    }
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    state.ticker = std::make_unique<CTicker>(window);

    MSG msg;
    BOOL result;
    while ((result = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // The loop ends by WM_QUIT after WM_DESTROY; a failed GetMessage leaves a window to clean.
    state.ticker.reset();
    if (IsWindow(window)) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
    return result < 0 ? 6 : static_cast<int>(msg.wParam);
}
