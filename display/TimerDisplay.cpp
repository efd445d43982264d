// Display model: per-paint text composition and rendering with the fading background.
#include "display/TimerDisplay.h"

#include "core/CoreHost.h"
#include "display/DisplayRenderer.h"
#include "core/Profile.h"
#include "platform/Dpi.h"
#include "res/resource.h"
#include "settings/ImageSettings.h"

CTimerDisplay::CTimerDisplay(HDC windowDC, orv::CProfile& profile)
    : m_profile(profile), m_surface(windowDC), m_bitmap(CreateCompatibleBitmap(windowDC, 1, 1)),
      m_margin(ScaleToDpi(windowDC, kMargin))
{
    // Later bitmaps are made compatible with the memory context, which then has the screen's
    // colour format because this first bitmap came from the window's context.
    m_originalBitmap = SelectObject(m_surface.Get(), m_bitmap.Get());
    m_fader.SetRange(0, kFadeRangeEnd);
    m_fader.SetColors(m_displaySet.m_crStartColor, m_displaySet.m_crEndColor);
    m_emptyText = CoreHost().LoadText(IDS_NO_APPOINTMENT);
}

CTimerDisplay::~CTimerDisplay()
{
    // A bitmap can only be deleted while no context holds it.
    if (m_originalBitmap)
        SelectObject(m_surface.Get(), m_originalBitmap);
}

void CTimerDisplay::Load()
{
    if (CImageSettings::Load(m_profile, m_displaySet, m_schemaName, m_customColors))
        m_fader.SetColors(m_displaySet.m_crStartColor, m_displaySet.m_crEndColor);
    m_termine.Load(m_profile);
    m_termine.Sort();
}

void CTimerDisplay::Save()
{
    CImageSettings::Save(m_profile, m_displaySet, m_schemaName, m_customColors);
    m_termine.Save(m_profile);
}

int CTimerDisplay::HandleDue(const std::function<bool()>& mayGoOn)
{
    return m_termine.HandleDueAppointments(CoreHost().Now(), m_dayCount, mayGoOn,
                                           m_recordingHandled ? &m_handledWhileEditing : nullptr);
}

void CTimerDisplay::StartRecordingHandled()
{
    m_recordingHandled = true;
    m_handledWhileEditing.clear();
}

void CTimerDisplay::StopRecordingHandled()
{
    m_recordingHandled = false;
    m_handledWhileEditing.clear();
}

CTerminList CTimerDisplay::Reconciled(const CTerminList& edited) const
{
    CTerminList result = edited;
    result.ApplyHandled(m_handledWhileEditing);
    return result;
}

void CTimerDisplay::Update()
{
    const std::string text =
        m_termine.ComposeText(CoreHost().Now(), m_displaySet.m_nDisplayType, m_dayCount);
    RenderText(m_termine.IsEmpty() ? m_emptyText : text);
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

void CTimerDisplay::SetTermine(const CTerminList& termine)
{
    m_termine = termine;
    m_termine.m_bModified = 1;
    m_termine.SetAscending();
    m_termine.Sort();
}

void CTimerDisplay::SetDisplaySet(const CDisplaySet& displaySet)
{
    m_displaySet = displaySet;
    m_fader.SetColors(m_displaySet.m_crStartColor, m_displaySet.m_crEndColor);
}
