// A static control that shows the fading gradient from the start to the end colour.
#pragma once

#include "sheet/SelfPaintedStatic.h"
#include "settings/ColorFader.h"

class CFadingSample : public CSelfPaintedStatic {
public:
    // Each forwards to the fader and redraws.
    ColorRef SetStartColor(ColorRef color);
    ColorRef SetEndColor(ColorRef color);
    void SetColors(ColorRef start, ColorRef end);

protected:
    void Paint(HDC dc, const RECT& client, bool enabled) override;

private:
    CColorFader m_fader;
};
