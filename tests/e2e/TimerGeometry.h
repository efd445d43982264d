// What the timer window's size follows, measured apart from the program: the extent of its text
// in the font it draws with, the margins around the text and what its frame adds.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

constexpr char kNoAppointment[] = ">> Es ist kein Termin hinterlegt. <<";

// The text extent in the font a fresh memory DC has, which is the one the program draws with.
inline SIZE TextExtent(const std::string& text)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    DeleteDC(dc);
    return extent;
}

// Both margins around the text: 5 pixels each at 96 dots per inch, in the screen's density.
inline int Margins()
{
    const HDC screen = GetDC(nullptr);
    const int margins = 2 * MulDiv(5, GetDeviceCaps(screen, LOGPIXELSX), 96);
    ReleaseDC(nullptr, screen);
    return margins;
}

// What the dialog frame and client edge add around the client area.
inline SIZE FrameExtent()
{
    RECT rect{0, 0, 0, 0};
    AdjustWindowRectEx(&rect, WS_POPUP | WS_DLGFRAME, FALSE, WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace e2e
