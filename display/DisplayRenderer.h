// Drawing of the remaining-time display: the background with its fading colour, the text, and
// the fading gradient. The timer window and the samples of the display page draw through it.
#pragma once

#include "platform/Gdi.h"
#include "settings/ColorFader.h"
#include "settings/DisplaySet.h"

#include <windows.h>

#include <string>

namespace display {

constexpr int kFrameWidth = 3;

// Transparent: all of `rect` in the fading colour. Otherwise the background colour with a frame
// of kFrameWidth pixels (at 96 dots per inch, in the density of `dc`) in the fading colour.
void PaintBackground(HDC dc, const RECT& rect, const CDisplaySet& settings, ColorRef fading);
// Only the frame of a background that is not transparent.
void PaintFrame(HDC dc, const RECT& rect, ColorRef fading);
// The frame's area inside `rect` for the density of `dc`; empty when `rect` has no room for it.
CRegion CreateFrameRegion(HDC dc, const RECT& rect);
// `region` in `color`, through the DC's own brush, whose colour it leaves set to `color`.
void FillRegion(HDC dc, HRGN region, ColorRef color);
// The text at (x, y) in `color`, without a background of its own.
void DrawText(HDC dc, int x, int y, const std::string& text, ColorRef color);
// One vertical line per pixel column, in the fader's colour for that column.
void PaintGradient(HDC dc, const RECT& rect, CColorFader& fader);
// A solid rectangle of one colour.
void FillSolid(HDC dc, const RECT& rect, ColorRef color);

}  // namespace display
