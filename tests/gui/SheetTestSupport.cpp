// Helpers for the page tests: a sheet run, its buttons, dialogs on top, pixels and screenshots.
#include "SheetTestSupport.h"

#include "ScreenCapture.h"

#include <algorithm>

namespace {

RECT ScreenRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientScreenRect(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

INT_PTR RunSheet(CPropertySheet& sheet, std::function<void(HWND, HWND)> drive)
{
    AfterDelay(150, [&sheet, drive] {
        const HWND window = sheet.GetSafeHwnd();
        UpdateWindow(window);
        drive(window, PropSheet_GetCurrentPageHwnd(window));
    });
    return sheet.DoModal();
}

void PressSheetButton(HWND sheet, int button)
{
    PropSheet_PressButton(sheet, button);
}

bool ApplyEnabled(HWND sheet)
{
    return IsWindowEnabled(GetDlgItem(sheet, CPropertySheet::kApplyButton)) != FALSE;
}

namespace {
struct OtherState {
    HWND except;
    HWND found = nullptr;
};

BOOL CALLBACK MatchOther(HWND window, LPARAM param)
{
    auto* state = reinterpret_cast<OtherState*>(param);
    if (window != state->except && IsWindowVisible(window) && IsWindowEnabled(window) &&
        ClassOf(window) == "#32770") {
        state->found = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND OtherDialog(HWND except)
{
    OtherState state{except};
    EnumThreadWindows(GetCurrentThreadId(), MatchOther, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

COLORREF ClientPixel(HWND window, int x, int y)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const RECT client = ClientScreenRect(window);
    const e2e::ScreenImage image = e2e::ScreenImage::Capture(client);
    if (image.Empty())
        return CLR_INVALID;
    return image.At(x, y);
}

bool ClientHasColor(HWND window, COLORREF color)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const e2e::ScreenImage image = e2e::ScreenImage::Capture(ClientScreenRect(window));
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) == color)
                return true;
    return false;
}

bool SaveScreenshot(HWND window, const std::string& name, HWND extra)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rect = ScreenRect(window);
    if (extra) {
        const RECT more = ScreenRect(extra);
        UnionRect(&rect, &rect, &more);
    }
    const e2e::ScreenImage image = e2e::ScreenImage::Capture(rect);
    return !image.Empty() && image.SaveBmp(e2e::ScreenshotFolder() + "/" + name + ".bmp");
}

void Notify(HWND control, WORD code)
{
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

void Click(HWND button)
{
    SendMessageA(button, BM_CLICK, 0, 0);
}
