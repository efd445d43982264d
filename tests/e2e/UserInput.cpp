// SendInput wrappers. Each step waits until the cursor is where it was sent, so the program
// sees the moves in order and at the intended places.
#include "UserInput.h"

#include "ProgramRun.h"

namespace e2e {

namespace {

constexpr DWORD kSettleMs = 40;
constexpr DWORD kEchoMs = 100;

void Send(INPUT input)
{
    SendInput(1, &input, sizeof(input));
}

INPUT MouseInput(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// Absolute mouse coordinates are 0..65535 across the primary screen.
LONG Normalized(LONG value, int extent)
{
    return static_cast<LONG>((static_cast<LONGLONG>(value) * 65536 + extent - 1) / extent);
}

bool CursorAt(POINT point)
{
    POINT cursor{};
    return GetCursorPos(&cursor) && cursor.x == point.x && cursor.y == point.y;
}

void Key(WORD virtualKey, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    Send(input);
}

bool SendMove(POINT to)
{
    INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    input.mi.dx = Normalized(to.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalized(to.y, GetSystemMetrics(SM_CYSCREEN));
    Send(input);
    return WaitUntil([&] { return CursorAt(to); }, 1000);
}

}  // namespace

bool MoveMouse(POINT to)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        // A cursor that stays put sends no move, and a window that appeared under it would
        // not learn that the mouse is there: come from one pixel aside then.
        if (CursorAt(to) && !SendMove(POINT{to.x + 1, to.y}))
            return false;
        if (!SendMove(to))
            return false;
        // Under Wine the X server echoes each pointer warp as a move of its own, which may
        // arrive after the next one and put the cursor back: let the echoes settle.
        if (!WaitUntil([&] { return !CursorAt(to); }, kSettleMs))
            return true;
    }
    return false;
}

void PressButton(Button button)
{
    Send(MouseInput(button == Button::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN));
}

bool PressButtonAt(POINT at, Button button)
{
    const bool moved = MoveMouse(at);
    // The echo of this move must reach the program while its window still stands there.
    Sleep(Patience(kEchoMs));
    PressButton(button);
    return moved;
}

void ReleaseButton(Button button)
{
    Send(MouseInput(button == Button::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP));
}

void Click(POINT at, Button button)
{
    MoveMouse(at);
    PressButton(button);
    ReleaseButton(button);
}

void DoubleClick(POINT at)
{
    MoveMouse(at);
    for (int click = 0; click < 2; ++click) {
        PressButton(Button::Left);
        ReleaseButton(Button::Left);
    }
}

bool HasCapture(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
           info.hwndCapture == window;
}

namespace {

// One drag gesture; true when the window ended where the cursor took it.
bool DragOnce(HWND window, POINT from, POINT to)
{
    const RECT start = WindowRect(window);
    const POINT expected{start.left + to.x - from.x, start.top + to.y - from.y};
    const auto arrived = [&] {
        const RECT now = WindowRect(window);
        return now.left == expected.x && now.top == expected.y;
    };
    const auto captured = [&] { return HasCapture(window); };
    bool moved = PressButtonAt(from, Button::Left);
    // The drag starts when the program has taken the mouse capture; move only then.
    moved = WaitUntil(captured, 1000) && moved;
    moved = MoveMouse(to) && moved;
    WaitUntil(arrived, 500);
    ReleaseButton(Button::Left);
    moved = WaitUntil([&] { return !captured(); }, 1000) && moved;
    return WaitUntil(arrived, 500) && moved;
}

}  // namespace

bool DragWindow(HWND window, POINT from, POINT to, int* attempts)
{
    // Some gestures in ten lose or distort their move through a late echo (see the header);
    // a program that does not follow four gestures exactly is at fault itself.
    const POINT delta{to.x - from.x, to.y - from.y};
    for (int attempt = 1; attempt <= 4; ++attempt) {
        if (attempts)
            *attempts = attempt;
        if (DragOnce(window, from, to))
            return true;
        from = CenterOf(WindowRect(window));
        to = POINT{from.x + delta.x, from.y + delta.y};
    }
    return false;
}

void PressKey(WORD virtualKey, bool alt)
{
    if (alt)
        Key(VK_MENU, false);
    Key(virtualKey, false);
    Key(virtualKey, true);
    if (alt)
        Key(VK_MENU, true);
}

POINT CenterOf(const RECT& rect)
{
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace e2e

namespace e2e {

void PressChord(WORD modifier, WORD virtualKey)
{
    Key(modifier, false);
    Key(virtualKey, false);
    Key(virtualKey, true);
    Key(modifier, true);
}

void TypeText(const std::string& text)
{
    for (const char c : text) {
        const SHORT scan = VkKeyScanA(c);
        if (scan == -1)
            continue;
        const WORD key = LOBYTE(scan);
        if (HIBYTE(scan) & 1)
            PressChord(VK_SHIFT, key);
        else
            PressKey(key);
    }
}

bool TypeInto(HWND dialog, int id, const std::string& text)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0)
            SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
        TypeText(text);
        if (WaitUntil([&] { return ControlText(dialog, id) == text; }, 3000))
            return true;
    }
    return false;
}

}  // namespace e2e
