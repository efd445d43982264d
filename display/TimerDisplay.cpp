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
    m_fader.SetRange(0, kFadeRangeEnd);
    m_fader.SetColors(m_displaySet.m_crStartColor, m_displaySet.m_crEndColor);
}

CTimerDisplay::~CTimerDisplay()
{
    // A bitmap can only be deleted while no context holds it.
    if (m_originalBitmap)
        SelectObject(m_surface.Get(), m_originalBitmap);
}

void CTimerDisplay::RenderText(const std::string& text)
{
    m_lastText = text;
    SIZE extent{};
    GetTextExtentPoint32A(m_surface.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    EnsureSurface(extent.cx + 2 * m_margin, extent.cy + 2 * m_margin);
    PaintBackground();
    display::DrawText(m_surface.Get(), m_margin, m_margin, text, m_displaySet.m_crTextColor);
}

SIZE CTimerDisplay::GetSurfaceSize() const
{
    BITMAP info{};
    if (!m_bitmap || !GetObjectA(m_bitmap.Get(), sizeof(info), &info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

void CTimerDisplay::Blit(HDC target) const
{
    const SIZE size = GetSurfaceSize();
    BitBlt(target, 0, 0, size.cx, size.cy, m_surface.Get(), 0, 0, SRCCOPY);
}

void CTimerDisplay::EnsureSurface(int width, int height)
{
    const SIZE size = GetSurfaceSize();
    if (size.cx == width && size.cy == height)
        return;
    HBITMAP bitmap = CreateCompatibleBitmap(m_surface.Get(), width, height);
    if (!bitmap)
        return;
    SelectObject(m_surface.Get(), bitmap);
    m_bitmap.Reset(bitmap);  // the replaced bitmap is no longer selected
}

void CTimerDisplay::PaintBackground()
{
    const ColorRef color = m_fader.NextColor(m_displaySet.m_nFadingStep);
    const SIZE size = GetSurfaceSize();
    display::PaintBackground(m_surface.Get(), RECT{0, 0, size.cx, size.cy}, m_displaySet, color);
}

void CTimerDisplay::SetDisplaySet(const CDisplaySet& displaySet)
{
    m_displaySet = displaySet;
    m_fader.SetColors(m_displaySet.m_crStartColor, m_displaySet.m_crEndColor);
}
