// A static control that shows the fading gradient from the start to the end colour.
#pragma once

#include "platform/Controls.h"
#include "settings/ColorFader.h"

class CFadingSample : public CStatic {
public:
    // Each forwards to the fader and redraws.
    ColorRef SetStartColor(ColorRef color);
    ColorRef SetEndColor(ColorRef color);
    void SetColors(ColorRef start, ColorRef end);
    const CColorFader& Fader() const { return m_fader; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    CColorFader m_fader;
};
