// A push button that shows a colour swatch; the display page opens the colour dialog with it.
#pragma once

#include "platform/Controls.h"
#include "sheet/NoColor.h"

class CColorButton : public CButton {
public:
    explicit CColorButton(ColorRef color = kNoColor) : m_color(color) {}

    // Binds the dialog's button and makes it owner-drawn, so that its swatch is drawn here.
    bool AttachDlgItem(int id, HWND dialog);

    // Returns the previous colour; the swatch is redrawn.
    ColorRef SetColor(ColorRef color);
    ColorRef GetColor() const { return m_color; }

protected:
    bool OnMessageReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item) const;

    ColorRef m_color;
};
