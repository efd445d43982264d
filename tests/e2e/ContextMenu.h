// The timer window's right-click menu as a person sees it. Another process's menu cannot be
// queried under Wine (GetMenuState fails across processes), so the check marks are read from
// the pixels of the open pop-up.
#pragma once

#include "ProgramRun.h"

#include <windows.h>

#include <vector>

namespace e2e {

class ScreenImage;

// Check marks of the option items at the top of the menu: task-bar icon, always on top, frame.
struct OptionChecks {
    bool taskbarIcon = false;
    bool alwaysOnTop = false;
    bool border = false;
};

// One row band of menu text: the first and last pixel row and the leftmost ink column.
struct TextBand {
    int top = 0;
    int bottom = 0;
    int left = 0;
};

// The text rows of a menu image, top to bottom; separators and background are not ink.
std::vector<TextBand> FindTextBands(const ScreenImage& image);

// Reads the check marks of the first three items of an open menu. The items below them never
// carry one, so their common text column tells where the check-mark column ends. False when the
// image does not show the eight text items of the menu.
bool ReadOptionChecks(const ScreenImage& image, OptionChecks& checks);

// Reads the check marks of an open pop-up menu window once it has painted them.
bool ReadMenuChecks(HWND menu, OptionChecks& checks);

// Right-clicks the timer window and waits for its pop-up menu; null when none appears.
HWND OpenContextMenu(ProgramRun& run, HWND timer);

// Chooses an item by its underlined letter and waits until the menu has closed.
bool ChooseMenuItem(ProgramRun& run, char mnemonic);

// Opens "I&nfo ..." from the timer window's menu; the About dialog, or null when it did not open.
HWND OpenInfo(ProgramRun& run, HWND timer);

}  // namespace e2e
