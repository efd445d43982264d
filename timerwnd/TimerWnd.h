// The main window: the remaining-time text and nothing else; dragged, framed, pinned and
// commanded through the mouse, its right-click menu, accelerators and the tray icon.
#pragma once

#include "core/TerminModel.h"
#include "display/TimerDisplay.h"
#include "framework/PostMessageTicker.h"
#include "platform/Accelerators.h"
#include "settings/ImageSettings.h"
#include "settings/TimerOptions.h"
#include "sheet/SettingsTarget.h"
#include "timerwnd/DueAnnouncer.h"
#include "timerwnd/TimerDialogs.h"
#include "timerwnd/TimerTrayIcon.h"
#include "timerwnd/WindowDrag.h"

#include <cstdint>
#include <memory>

namespace orv {
class CProfile;
}
class CTimerServices;

// The object belongs to whoever made it and outlives its window: a due message or dialog that
// runs over the window returns into it after the window is gone.
class CTimerWnd : public CWnd, public CSettingsTarget {
public:
    static constexpr const char* kWindowClass = "ZielmarkTimer";
    static constexpr UINT kTickMessage = WM_USER + 1;
    static constexpr UINT kTickInterval = 120;

    CTimerWnd(orv::CProfile& profile, CTimerServices& services);
    ~CTimerWnd() override;

    // True when the window exists and its ticker runs.
    bool Create();

    bool PreTranslateMessage(MSG* msg) override;

    CSettingsData GetSettings() const override { return {m_model.GetTermine(), m_image, m_options}; }
    void SetSettings(const CSettingsData& edited) override
    {
        m_model.TakeEdited(edited.m_termine);
        SetImage(edited.m_image);
        SetOptions(edited.m_options);
    }
    orv::CProfile& Profile() override { return m_profile; }
    void SetImage(const CImageSettings& image);
    CTimerOptions GetOptions() const { return m_options; }
    // Takes edited options (the placement stays the window's) and applies what changed.
    void SetOptions(const CTimerOptions& options);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Starts the ticker; returns its code (0 = running).
    virtual int32_t StartTicker();

private:
    // A new frame is fitted over two paints: the first after the change may still see the old
    // sizes, the second one always fits.
    enum class FrameChange { None, Requested, SecondPaint };

    void LoadOptions();
    void SaveAll();
    void ApplyBorder();
    void ApplyAlwaysOnTop();
    void ShowTrayIcon();
    void OnTick();
    // Renders the tick's text and colour; true when the surface changed.
    bool Render(const CDateTime& now);
    // Brings a changed surface to the screen.
    void ShowSurface();
    bool ClientFitsSurface() const;
    void OnPaint();
    void FitToSurface();
    void OnClose();
    void OnCommand(UINT command);
    void RunSettings();

    orv::CProfile& m_profile;
    CTimerServices& m_services;
    CTerminModel m_model;
    CImageSettings m_image;
    CTimerOptions m_options;
    CDueAnnouncer m_announcer;
    CTimerDialogs m_dialogs;
    CWindowDrag m_drag;
    CAccelerators m_accelerators;
    SIZE m_frameExtent{0, 0};
    FrameChange m_frameChange = FrameChange::None;
    orv::Windows::CPostMessageTicker m_ticker;
    std::unique_ptr<CTimerDisplay> m_display;
    std::unique_ptr<CTimerTrayIcon> m_trayIcon;
    const UINT m_taskbarCreated;  // registered message: the shell has restarted
};
