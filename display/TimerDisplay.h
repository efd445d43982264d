// The timer window's off-screen surface: each paint renders the text it is given over the
// fading background, and the surface is then copied to the screen. Holds no appointments.
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
    // Sizes the surface to `text` with its margins and draws it over the next fading colour.
    void RenderText(const std::string& text);
    SIZE GetSurfaceSize() const;
    void Blit(HDC target) const;

    const std::string& GetLastText() const { return m_lastText; }
    HDC SurfaceDC() const { return m_surface.Get(); }
    // kMargin in the screen's density.
    int Margin() const { return m_margin; }

private:
    void EnsureSurface(int width, int height);
    void PaintBackground();

    CMemoryDC m_surface;
    CBitmap m_bitmap;
    HGDIOBJ m_originalBitmap = nullptr;
    CColorFader m_fader;
    CDisplaySet m_displaySet;
    std::string m_lastText;
    int m_margin = kMargin;
};
