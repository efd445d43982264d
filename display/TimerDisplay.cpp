// Display surface: rendering of the given text with the fading background.
#include "display/TimerDisplay.h"

#include "display/DisplayRenderer.h"
#include "platform/Dpi.h"

CTimerDisplay::CTimerDisplay(HDC windowDC)
    : m_surface(windowDC), m_bitmap(CreateCompatibleBitmap(windowDC, 1, 1)),
      m_margin(ScaleToDpi(windowDC, kMargin))
{
    // Later bitmaps are made compatible with the memory context, which then has the screen's
    // colour format because this first bitmap came from the window's context.
    m_originalBitmap = SelectObject(m_surface.Get(), m_bitmap.Get());
    if (m_bitmap) {
        m_size = SIZE{1, 1};
        m_frame = display::CreateFrameRegion(m_surface.Get(), RECT{0, 0, 1, 1});
    }
    m_fader.SetRange(0, kFadeRangeEnd);
    m_fader.SetColors(m_displaySet.m_crStartColor, m_displaySet.m_crEndColor);
}

CTimerDisplay::~CTimerDisplay()
{
    // A bitmap can only be deleted while no context holds it.
    if (m_originalBitmap)
        SelectObject(m_surface.Get(), m_originalBitmap);
}

bool CTimerDisplay::RenderText(const std::string& text)
{
    const ColorRef color = m_fader.NextColor(m_displaySet.m_nFadingStep);
    const bool textChanged = !m_current || text != m_lastText;
    if (!textChanged && color == m_lastColor)
        return false;
    m_lastColor = color;
    if (!textChanged && !m_displaySet.m_bTransparent) {
        // The text lies inside the frame: a new fading colour repaints the frame alone.
        if (m_frame)
            display::FillRegion(m_surface.Get(), m_frame.Get(), color);
        return true;
    }
    if (textChanged) {
        m_lastText = text;
        GetTextExtentPoint32A(m_surface.Get(), text.c_str(), static_cast<int>(text.size()), &m_textExtent);
        EnsureSurface(m_textExtent.cx + 2 * m_margin, m_textExtent.cy + 2 * m_margin);
    }
    display::PaintBackground(m_surface.Get(), RECT{0, 0, m_size.cx, m_size.cy}, m_displaySet, color);
    display::DrawText(m_surface.Get(), m_margin, m_margin, text, m_displaySet.m_crTextColor);
    m_current = true;
    return true;
}

void CTimerDisplay::Blit(HDC target) const
{
    BitBlt(target, 0, 0, m_size.cx, m_size.cy, m_surface.Get(), 0, 0, SRCCOPY);
}

void CTimerDisplay::EnsureSurface(int width, int height)
{
    if (m_size.cx == width && m_size.cy == height)
        return;
    HBITMAP bitmap = CreateCompatibleBitmap(m_surface.Get(), width, height);
    if (!bitmap)
        return;
    SelectObject(m_surface.Get(), bitmap);
    m_bitmap.Reset(bitmap);  // the replaced bitmap is no longer selected
    m_size = SIZE{width, height};
    m_frame = display::CreateFrameRegion(m_surface.Get(), RECT{0, 0, width, height});
}

void CTimerDisplay::SetDisplaySet(const CDisplaySet& displaySet)
{
    m_displaySet = displaySet;
    m_fader.SetColors(m_displaySet.m_crStartColor, m_displaySet.m_crEndColor);
    m_current = false;
}
