// The timer window's right-click menu with its three option items checked as they are set, the
// options those items toggle, the double-click command and the tray icon's mouse messages.
#pragma once

#include "settings/TimerOptions.h"

#include <windows.h>

// Shows the menu at the cursor; its commands go to `window`.
void ShowTimerMenu(HWND window, const CTimerOptions& options);
// Flips the option of a tray icon, always-on-top or frame command; false for other commands.
bool ToggleOption(CTimerOptions& options, UINT command);
// Posts the double-click command of the options to `window`, if there is one.
void PostDoubleClickCommand(HWND window, const CTimerOptions& options);
// The tray icon's mouse message: any click brings `window` to the front; a double click runs
// the double-click command, the right button opens the menu.
void OnTrayMouse(HWND window, LPARAM mouseMessage, const CTimerOptions& options);
