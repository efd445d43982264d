// A static control that shows its text in chosen text and background colours: the sample of the
// remaining-time text on the display page.
#pragma once

#include "sheet/SelfPaintedStatic.h"
#include "sheet/NoColor.h"

#include <string>

class CColorSample : public CSelfPaintedStatic {
public:
    // Each returns the previous colour and redraws; kNoColor stands for the system colour.
    ColorRef SetBackColor(ColorRef color);
    ColorRef SetTextColor(ColorRef color);
    void SetText(const std::string& text);

protected:
    void Paint(HDC dc, const RECT& client, bool enabled) override;

private:
    ColorRef m_backColor = kNoColor;
    ColorRef m_textColor = kNoColor;
};
