// Pages of the settings sheet inside a plain sheet of the test's own, with screenshots and
// pixels read back from the screen.
#pragma once

#include "GuiTestSupport.h"

#include "platform/PropertySheet.h"

#include <windows.h>

#include <functional>
#include <string>

// Runs `sheet` modally and calls `drive` with the sheet and the page shown once both are on the
// screen. `drive` must end the run (OK or Cancel). Returns the sheet's result.
INT_PTR RunSheet(CPropertySheet& sheet, std::function<void(HWND sheetWindow, HWND page)> drive);

// Presses a button of the sheet as a person would: PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW.
void PressSheetButton(HWND sheet, int button);
// Whether the sheet's Apply button is enabled, i.e. a page has marked itself modified.
bool ApplyEnabled(HWND sheet);

// A visible, enabled dialog of this thread other than `except`, or null.
HWND OtherDialog(HWND except);
// Runs `action` on that dialog once it is open. A fixed delay can pass before it opens on a busy
// machine, and the test would then wait on the dialog forever.
void WhenOtherDialogOpens(HWND except, std::function<void(HWND)> action);

// Paints a window now and reads its pixel at (x, y) of its client area from the screen.
COLORREF ClientPixel(HWND window, int x, int y);
// Whether any pixel of the window's client area has this colour.
bool ClientHasColor(HWND window, COLORREF color);

// Saves the screen region of `window` (plus `extra` windows, e.g. an open drop-down list) as
// <screenshots>/<name>.bmp.
bool SaveScreenshot(HWND window, const std::string& name, HWND extra = nullptr);

// Handles this thread's messages for a while, so that pending delayed actions run.
void PumpFor(DWORD milliseconds);

// Sends a control's notification to its dialog, as the control itself does.
void Notify(HWND control, WORD code);
// Clicks a button with BM_CLICK (the button notifies its parent).
void Click(HWND button);
