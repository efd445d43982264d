// Timer window: the tick and paint steps, which render the text and bring the surface to the screen.
#include "timerwnd/TimerWnd.h"

#include "core/CoreHost.h"
#include "timerwnd/TimerServices.h"

void CTimerWnd::OnTick()
{
    const CDateTime now = m_services.Host().Now();
    // One due appointment is handed out just before its box, and drawn handled already: between
    // the two nothing runs that could save the list without an appointment not yet shown. The
    // box's own loop runs the later ticks, which repaint and open the next box on top.
    CDueTermin due;
    const bool handedOut = m_model.HandleDue(now, due);
    // The text changes once a second and the colour slowly: a tick that changes neither costs
    // no paint, unless a new frame waits for its resizing paints.
    if (Render(now) || m_frameChange != FrameChange::None)
        ShowSurface();
    if (handedOut)
        m_announcer.Announce(m_hWnd, m_model, due);
}

void CTimerWnd::ShowSurface()
{
    // A surface that fits the window goes straight to the screen: the round trip of an
    // invalidation and WM_PAINT costs the process more than the drawing, several times a
    // second. A new size or frame goes through the paint, which fits the window to it.
    if (m_frameChange == FrameChange::None && ClientFitsSurface()) {
        const CClientDC dc(m_hWnd);
        if (dc.Get()) {
            m_display->Blit(dc.Get());
            return;
        }
    }
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

bool CTimerWnd::ClientFitsSurface() const
{
    RECT client{};
    GetClientRect(m_hWnd, &client);
    const SIZE surface = m_display->GetSurfaceSize();
    return client.right == surface.cx && client.bottom == surface.cy;
}

bool CTimerWnd::Render(const CDateTime& now)
{
    const bool changed = m_display->RenderText(m_model.ComposeText(now, m_image.m_displaySet.m_nDisplayType));
    if (m_trayIcon)
        m_trayIcon->SetDays(m_model.GetDayCount());
    return changed;
}

void CTimerWnd::OnPaint()
{
    const CPaintDC dc(m_hWnd);
    if (!m_display)
        return;
    // Before the first tick and after new settings, the surface is drawn here.
    if (!m_display->IsCurrent())
        Render(m_services.Host().Now());
    FitToSurface();
    m_display->Blit(dc.Get());
}

void CTimerWnd::FitToSurface()
{
    if (m_frameChange == FrameChange::SecondPaint || !ClientFitsSurface()) {
        const SIZE surface = m_display->GetSurfaceSize();
        const SIZE extra = m_options.m_bBorder ? m_frameExtent : SIZE{0, 0};
        RECT window{};
        GetWindowRect(m_hWnd, &window);
        MoveWindow(m_hWnd, window.left, window.top, surface.cx + extra.cx, surface.cy + extra.cy, TRUE);
        m_frameChange = FrameChange::None;
    }
    if (m_frameChange == FrameChange::Requested)
        m_frameChange = FrameChange::SecondPaint;
}
