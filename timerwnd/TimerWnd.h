// The main window: the remaining-time text and nothing else; dragged, framed, pinned and
// commanded through the mouse, its right-click menu, accelerators and the tray icon.
#pragma once

#include "framework/PostMessageTicker.h"
#include "platform/Accelerators.h"
#include "platform/ModalLoop.h"
#include "display/TimerDisplay.h"
#include "settings/TimerOptions.h"
#include "sheet/SettingsDlg.h"
#include "timerwnd/TimerTrayIcon.h"

#include <cstdint>
#include <memory>

namespace orv {
class CProfile;
}

class CTimerWnd : public CWnd, public CSettingsTarget {
public:
    static constexpr const char* kWindowClass = "ZielmarkTimer";
    static constexpr UINT kTickMessage = WM_USER + 1;
    static constexpr UINT kTickInterval = 120;

    explicit CTimerWnd(orv::CProfile& profile);
    ~CTimerWnd() override;

    // True when the window exists and its ticker runs.
    bool Create();

    void LoadOptions();
    void SaveOptions();
    void SaveAll();
    void ApplyBorder();
    void ApplyAlwaysOnTop();
    void ShowTrayIcon();
    void MeasureFrame();
    void ShowContextMenu();

    bool PreTranslateMessage(MSG* msg) override;

    CTimerDisplay* Display() const { return m_display.get(); }
    CTimerTrayIcon* TrayIcon() const { return m_trayIcon.get(); }
    bool HasBorder() const { return m_options.m_bBorder; }
    bool IsAlwaysOnTop() const { return m_options.m_bAlwaysOnTop; }
    bool HasTaskbarIcon() const { return m_options.m_bTaskbarIcon; }
    int32_t GetDblClkCmd() const { return m_options.m_nDblClkCmd; }
    CTimerDisplay& DisplayModel() override { return *m_display; }
    orv::CProfile& Profile() override { return m_profile; }
    CTimerOptions GetOptions() const override { return m_options; }
    // Takes edited options (the placement stays the window's) and applies what changed.
    void SetOptions(const CTimerOptions& options) override;
    SIZE GetFrameExtent() const { return m_frameExtent; }
    int GetFrameChangePending() const { return m_frameChangePending; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    // Starts the ticker; returns its code (0 = running).
    virtual int32_t StartTicker();

private:
    void OnTick();
    // Runs one of the window's dialogs modally; a close asked for meanwhile follows after it.
    INT_PTR RunDialog(CModalWnd& dialog);
    bool BringOpenDialogToFront() const;
    void RunAbout();
    void RunSettings();
    void OnPaint();
    void FitToSurface();
    void OnClose();
    // Ends the message boxes the due handling has open over this window.
    void CloseDueMessages();
    void OnCommand(UINT command);
    void OnTrayNotify(LPARAM mouseMessage);
    void BeginDrag(POINT clientPoint);
    void DragTo(POINT clientPoint, WPARAM keys);
    void EndDrag();
    void RunDoubleClickCommand();

    orv::CProfile& m_profile;
    CAccelerators m_accelerators;
    bool m_dragging = false;
    POINT m_lastCursor{0, 0};
    SIZE m_frameExtent{0, 0};
    int m_frameChangePending = 0;
    orv::Windows::CPostMessageTicker m_ticker;
    std::unique_ptr<CTimerDisplay> m_display;
    std::unique_ptr<CTimerTrayIcon> m_trayIcon;
    CTimerOptions m_options;
    CModalWnd* m_openDialog = nullptr;  // the settings sheet or About dialog while it runs
    const UINT m_taskbarCreated;  // registered message: the shell has restarted
    // Due handling in progress (nested when a tick comes while its message is open). The due
    // loop comes back to this object and its model after each message, so while it runs a
    // close only marks the window and the deletion of the object waits.
    int m_dueDepth = 0;
    bool m_closePending = false;  // a close waits for a dialog or the due loop to return
    bool m_deletePending = false;
};
