// Pixel sizes given for 96 dots per inch, scaled to the density of the screen at hand.
#pragma once

#include <windows.h>

constexpr int kDesignDpi = 96;

// `pixels` at 96 dots per inch in the density of `dc`; unchanged without a usable context.
inline int ScaleToDpi(HDC dc, int pixels)
{
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSX) : 0;
    return dpi > 0 ? MulDiv(pixels, dpi, kDesignDpi) : pixels;
}

// The same for the screen a window is drawn on.
inline int ScaleToWindow(HWND window, int pixels)
{
    const HDC dc = GetDC(window);
    const int scaled = ScaleToDpi(dc, pixels);
    if (dc)
        ReleaseDC(window, dc);
    return scaled;
}
