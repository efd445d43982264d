// Helpers for the page tests: a sheet run, its buttons, dialogs on top, pixels and screenshots.
#include "SheetTestSupport.h"

#include "ScreenCapture.h"


namespace {

RECT ScreenRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

INT_PTR RunSheet(CPropertySheet& sheet, std::function<void(HWND, HWND)> drive)
{
    AfterDelay(150, [&sheet, drive] {
        const HWND window = sheet.Handle();
        UpdateWindow(window);
        drive(window, PropSheet_GetCurrentPageHwnd(window));
    });
    return sheet.DoModal();
}

void PressSheetButton(HWND sheet, int button)
{
    // Clicked like a mouse would: PSM_PRESSBUTTON may bypass the sheet's WM_COMMAND.
    int id = IDCANCEL;
    switch (button) {
    case PSBTN_OK: id = IDOK; break;
    case PSBTN_APPLYNOW: id = CPropertySheet::kApplyButton; break;
    }
    SendMessageA(GetDlgItem(sheet, id), BM_CLICK, 0, 0);
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

void WhenOtherDialogOpens(HWND except, std::function<void(HWND)> action)
{
    AfterDelay(100, [except, action] {
        if (const HWND dialog = OtherDialog(except))
            action(dialog);
        else
            WhenOtherDialogOpens(except, action);
    });
}

COLORREF ClientPixel(HWND window, int x, int y)
{
    // Read from the window's own DC: the screen may not show the latest paint yet.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

bool ClientHasColor(HWND window, COLORREF color)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client{};
    GetClientRect(window, &client);
    const HDC dc = GetDC(window);
    bool found = false;
    for (int y = 0; y < client.bottom && !found; ++y)
        for (int x = 0; x < client.right && !found; ++x)
            found = GetPixel(dc, x, y) == color;
    ReleaseDC(window, dc);
    return found;
}

bool SaveScreenshot(HWND window, const std::string& name, HWND extra)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Give the display a moment to show what was painted.
    PumpFor(200);
    RECT rect = ScreenRect(window);
    if (extra) {
        const RECT more = ScreenRect(extra);
        UnionRect(&rect, &rect, &more);
    }
    const e2e::ScreenImage image = e2e::ScreenImage::Capture(rect);
    return !image.Empty() && image.SaveBmp(e2e::ScreenshotFolder() + "/" + name + ".bmp");
}

void PumpFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
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
