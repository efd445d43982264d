// Monitor work areas from the system, and the one rule that keeps a window inside one.
#include "platform/MonitorArea.h"

namespace orv {

namespace {

// Where the system cannot tell, the primary monitor's work area is the safe guess.
RECT WorkAreaOfMonitor(HMONITOR monitor)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (monitor && GetMonitorInfoA(monitor, &info))
        return info.rcWork;
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

}  // namespace

POINT KeepInArea(POINT topLeft, SIZE size, const RECT& area)
{
    // Right and bottom first, so that what cannot fit gives way at the far edges and the
    // caption stays reachable.
    if (topLeft.x + size.cx > area.right)
        topLeft.x = area.right - size.cx;
    if (topLeft.y + size.cy > area.bottom)
        topLeft.y = area.bottom - size.cy;
    if (topLeft.x < area.left)
        topLeft.x = area.left;
    if (topLeft.y < area.top)
        topLeft.y = area.top;
    return topLeft;
}

RECT KeepInArea(const RECT& rect, const RECT& area)
{
    const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    const POINT topLeft = KeepInArea(POINT{rect.left, rect.top}, size, area);
    return RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy};
}

RECT WorkAreaAt(POINT point)
{
    return WorkAreaOfMonitor(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
}

RECT WorkAreaNearest(const RECT& rect)
{
    return WorkAreaOfMonitor(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST));
}

RECT WorkAreaOf(HWND window)
{
    return WorkAreaOfMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

}  // namespace orv
