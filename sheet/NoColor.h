// "No colour": a COLORREF of 0x01000000 or more, drawn in the system colours instead.
#pragma once

#include "settings/DisplaySet.h"

constexpr ColorRef kNoColor = 0xFF000000;

constexpr bool IsNoColor(ColorRef color)
{
    return color >= 0x01000000;
}
