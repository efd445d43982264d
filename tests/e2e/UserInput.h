// Real mouse and keyboard input through SendInput, as a person at the screen would give it.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

enum class Button { Left, Right };

// Moves the cursor to a screen point; true when the cursor arrived there.
bool MoveMouse(POINT to);
void PressButton(Button button);
// Moves there and presses once the X echo of the move has been handled (see DragWindow).
bool PressButtonAt(POINT at, Button button);
void ReleaseButton(Button button);
void Click(POINT at, Button button = Button::Left);
// Two clicks in quick succession at one place, the pointer moved there once: a second move
// between the clicks can take longer than the system's double-click time on a busy machine.
void DoubleClick(POINT at);
// Presses the left button at `from`, moves to `to` and releases it there. True when `window`
// has followed the cursor by exactly the same distance.
//
// Under Wine each SendInput move also warps the X pointer, and the X server reports that warp
// back as a move of its own, which the program under the pointer converts with its window's
// position at the time it handles it; if the window moved in between, that echo lands off by
// the move, or replaces it. Hence one move only, the press after the echo of reaching `from`,
// and `to` outside the window's starting rectangle, so its echo goes to the desktop. Even so a
// gesture now and then goes astray; it is then repeated from where the window is, at most
// four times in all (`attempts` tells how many were needed).
bool DragWindow(HWND window, POINT from, POINT to, int* attempts = nullptr);

// True while `window` (of any process) holds the mouse capture.
bool HasCapture(HWND window);

// Presses and releases one key, with Alt held when `alt` is true.
void PressKey(WORD virtualKey, bool alt = false);

// Presses and releases a key while `modifier` (VK_CONTROL, VK_SHIFT, VK_MENU) is held.
void PressChord(WORD modifier, WORD virtualKey);
// Types the text key by key, with Shift where a character needs it.
void TypeText(const std::string& text);
// Types the text into the focused edit `id` of `dialog` and waits until the edit holds it. A busy
// machine can lose the Shift of an injected chord (seen under Wine 10: "a12" for "A12"), so a
// wrong text is selected and typed again, up to three times. False when it never came out right.
bool TypeInto(HWND dialog, int id, const std::string& text);

POINT CenterOf(const RECT& rect);

}  // namespace e2e
