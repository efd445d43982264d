// "No colour": a COLORREF of 0x01000000 or more, drawn in the system colours instead.
#pragma once

#include "platform/Wnd.h"
#include "settings/DisplaySet.h"

constexpr ColorRef kNoColor = 0xFF000000;

constexpr bool IsNoColor(ColorRef color)
{
    return color >= 0x01000000;
}

// Stores a control's colour and redraws the control when it has a window; the previous colour.
inline ColorRef ReplaceColor(const CWnd& control, ColorRef& member, ColorRef color)
{
    const ColorRef previous = member;
    member = color;
    if (control.Handle())
        control.Invalidate();
    return previous;
}
