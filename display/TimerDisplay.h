// The timer window's off-screen surface: each tick renders the text it is given over the next
// fading colour, drawing only what changed, and a paint copies the finished surface to the
// screen. Holds no appointments.
#pragma once

#include "platform/Gdi.h"
#include "settings/ColorFader.h"
#include "settings/DisplaySet.h"

#include <windows.h>

#include <string>

class CTimerDisplay {
public:
    static constexpr int kMargin = 5;  // around the text, at 96 dots per inch
    static constexpr int32_t kFadeRangeEnd = 300;

    // The surface is made compatible with the window's device context.
    explicit CTimerDisplay(HDC windowDC);
    CTimerDisplay(const CTimerDisplay&) = delete;
    CTimerDisplay& operator=(const CTimerDisplay&) = delete;
    ~CTimerDisplay();

    // The colours, frame and fading step to draw with from now on.
    void SetDisplaySet(const CDisplaySet& displaySet);
    // One fading step, then `text` on a surface sized to it with its margins. Draws only what
    // differs from the surface as it is; false when nothing did (the screen needs no paint).
    bool RenderText(const std::string& text);
    // False until the first rendering and after new display settings.
    bool IsCurrent() const { return m_current; }
    SIZE GetSurfaceSize() const { return m_size; }
    void Blit(HDC target) const;

    // kMargin in the screen's density.
    int Margin() const { return m_margin; }

private:
    void EnsureSurface(int width, int height);

    CMemoryDC m_surface;
    CBitmap m_bitmap;
    HGDIOBJ m_originalBitmap = nullptr;
    SIZE m_size{0, 0};  // of m_bitmap
    CRegion m_frame;    // the fading frame's area on m_bitmap
    CColorFader m_fader;
    CDisplaySet m_displaySet;
    std::string m_lastText;
    SIZE m_textExtent{0, 0};  // of m_lastText
    ColorRef m_lastColor = 0;
    bool m_current = false;
    int m_margin = kMargin;
};
