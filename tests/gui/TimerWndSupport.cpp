// Sizes read from the window manager, and the shell asked about an icon by a change of nothing.
#include "TimerWndSupport.h"

#include "TimerGeometry.h"

#include <shellapi.h>

SIZE WindowSize(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

SIZE ClientSize(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    return SIZE{rect.right, rect.bottom};
}

SIZE ClientSizeFor(const std::string& text)
{
    const SIZE extent = e2e::TextExtent(text);
    return SIZE{extent.cx + e2e::Margins(), extent.cy + e2e::Margins()};
}

bool ShellHasIcon(HWND window)
{
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    record.uID = 0;  // the timer window's one icon
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}
