// A static control that paints itself, and paints again when it is enabled or disabled, so its
// disabled look follows at once.
#pragma once

#include "platform/Controls.h"

class CSelfPaintedStatic : public CStatic {
protected:
    // Paints the whole client area; `enabled` tells which look.
    virtual void Paint(HDC dc, const RECT& client, bool enabled) = 0;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
