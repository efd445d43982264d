// Timer window placement: the stored block is the system's placement record, byte for byte.
#include "timerwnd/WindowPlacement.h"

#include "platform/MonitorArea.h"

#include <algorithm>
#include <cstring>

namespace placement {

static_assert(sizeof(WINDOWPLACEMENT) == sizeof(CWindowPlacement), "the stored placement block");

CWindowPlacement Current(HWND window)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    CWindowPlacement stored;
    std::memcpy(static_cast<void*>(&stored), &placement, sizeof(stored));
    return stored;
}

RECT OnAMonitor(RECT rect)
{
    if (MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        return rect;
    const RECT work = orv::WorkAreaNearest(rect);
    // Cut to the work area first, so that all of it can be seen.
    rect.right = rect.left + std::min(rect.right - rect.left, work.right - work.left);
    rect.bottom = rect.top + std::min(rect.bottom - rect.top, work.bottom - work.top);
    return orv::KeepInArea(rect, work);
}

void Apply(HWND window, const CWindowPlacement& stored, SIZE paintable)
{
    const CWindowPlacement showable = stored.Showable();
    WINDOWPLACEMENT placement{};
    std::memcpy(&placement, &showable, sizeof(placement));
    placement.length = sizeof(placement);
    // A tool window's normal rectangle is in screen coordinates.
    placement.rcNormalPosition = OnAMonitor(placement.rcNormalPosition);
    SetWindowPlacement(window, &placement);
    // A window without client area gets no paint, and so never the size of its text.
    RECT client{};
    GetClientRect(window, &client);
    if (IsRectEmpty(&client)) {
        RECT rect{};
        GetWindowRect(window, &rect);
        MoveWindow(window, rect.left, rect.top, paintable.cx, paintable.cy, FALSE);
    }
}

void SetFramed(HWND window, bool framed)
{
    LONG style = GetWindowLongA(window, GWL_STYLE);
    LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    if (framed) {
        style |= WS_DLGFRAME;
        exStyle |= WS_EX_CLIENTEDGE;
    } else {
        style &= ~WS_DLGFRAME;
        exStyle &= ~WS_EX_CLIENTEDGE;
    }
    SetWindowLongA(window, GWL_STYLE, style);
    SetWindowLongA(window, GWL_EXSTYLE, exStyle);
}

void SetTopmost(HWND window, bool topmost)
{
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

SIZE FrameExtent(HWND window)
{
    // From the styles rather than window minus client: at creation the window is only 10
    // pixels high, too low for the client edge, which the client area then leaves out, and the
    // frame would come out 4 pixels short (the text clipped, a resize on every paint).
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace placement
