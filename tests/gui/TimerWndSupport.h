// The timer window as a person or the shell sees it: its sizes and its notification-area icon.
#pragma once

#include <windows.h>

#include <string>

SIZE WindowSize(HWND window);
SIZE ClientSize(HWND window);
// The client area of a window that shows `text`: the text in the program's font and its margins.
SIZE ClientSizeFor(const std::string& text);
// True when the shell has an icon of `window` in the notification area.
bool ShellHasIcon(HWND window);
