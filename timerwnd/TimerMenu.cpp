// Timer window menu, loaded from the resources each time it opens, and the mouse commands.
#include "timerwnd/TimerMenu.h"

#include "platform/MenuEx.h"
#include "res/resource.h"

void ShowTimerMenu(HWND window, const CTimerOptions& options)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    orv::CMenuEx menu;
    if (!menu.LoadMenu(IDR_TIMER_MENU))
        return;
    const auto popup = menu.GetSubMenuEx(0);
    if (!popup)
        return;
    popup->CheckItem(ID_TASKBAR_ICON, options.m_bTaskbarIcon);
    popup->CheckItem(ID_ALWAYS_ON_TOP, options.m_bAlwaysOnTop);
    popup->CheckItem(ID_BORDER, options.m_bBorder);
    TrackPopupMenu(popup->GetSafeHmenu(), 0, cursor.x, cursor.y, 0, window, nullptr);
}

bool ToggleOption(CTimerOptions& options, UINT command)
{
    switch (command) {
    case ID_TASKBAR_ICON:
        options.m_bTaskbarIcon = !options.m_bTaskbarIcon;
        return true;
    case ID_ALWAYS_ON_TOP:
        options.m_bAlwaysOnTop = !options.m_bAlwaysOnTop;
        return true;
    case ID_BORDER:
        options.m_bBorder = !options.m_bBorder;
        return true;
    }
    return false;
}

void PostDoubleClickCommand(HWND window, const CTimerOptions& options)
{
    if (options.m_nDblClkCmd != 0)
        PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(options.m_nDblClkCmd), 0);
}

void OnTrayMouse(HWND window, LPARAM mouseMessage, const CTimerOptions& options)
{
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
        SetForegroundWindow(window);
        break;
    case WM_LBUTTONDBLCLK:
        SetForegroundWindow(window);
        PostDoubleClickCommand(window, options);
        break;
    case WM_RBUTTONDOWN:
        SetForegroundWindow(window);
        ShowTimerMenu(window, options);
        break;
    }
}
