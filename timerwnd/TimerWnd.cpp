// Timer window: creation order, options in the registry, messages, closing, commands.
#include "timerwnd/TimerWnd.h"

#include "core/Profile.h"
#include "res/resource.h"
#include "timerwnd/TimerMenu.h"
#include "timerwnd/TimerServices.h"
#include "timerwnd/WindowPlacement.h"

namespace {

constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE;
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME;

}  // namespace

CTimerWnd::CTimerWnd(orv::CProfile& profile, CTimerServices& services)
    : m_profile(profile),
      m_services(services),
      m_model(profile, services.Host()),
      m_announcer(services),
      m_dialogs(services),
      m_accelerators(IDR_TIMER_ACCEL),
      m_taskbarCreated(RegisterWindowMessageA("TaskbarCreated"))
{
}

CTimerWnd::~CTimerWnd()
{
    m_ticker.Stop();
}

bool CTimerWnd::Create()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    WindowClass windowClass{kWindowClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, icon,
                            LoadCursor(nullptr, IDC_ARROW), nullptr};
    if (!CreateEx(windowClass, kExStyle, m_services.AppName(), kStyle, 20, 20, 180, 10, nullptr,
                  nullptr))
        return false;

    {
        const CClientDC dc(m_hWnd);
        m_display = std::make_unique<CTimerDisplay>(dc.Get());
    }
    m_image.Load(m_profile);
    m_display->SetDisplaySet(m_image.m_displaySet);
    m_model.Load();
    m_frameExtent = placement::FrameExtent(m_hWnd);
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    m_trayIcon = std::make_unique<CTimerTrayIcon>(m_hWnd);
    LoadOptions();
    ShowWindow(m_hWnd, SW_SHOW);
    UpdateWindow(m_hWnd);
    ApplyAlwaysOnTop();

    if (StartTicker() != 0) {
        m_services.ShowError(IDS_ERR_TICKER_START);
        PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        return false;
    }
    return true;
}

int32_t CTimerWnd::StartTicker()
{
    m_ticker.SetInterval(kTickInterval, true);
    m_ticker.SetStep(kTickInterval);
    return m_ticker.Start(m_hWnd, kTickMessage, false, 1);
}

void CTimerWnd::LoadOptions()
{
    // The current placement is the default of a placement that cannot be read.
    m_options.m_placement = placement::Current(m_hWnd);
    if (!m_options.Load(m_profile))
        return;
    ApplyBorder();
    placement::Apply(m_hWnd, m_options.m_placement,
                     SIZE{m_frameExtent.cx + 2 * m_display->Margin(),
                          m_frameExtent.cy + 2 * m_display->Margin()});
    if (m_options.m_bTaskbarIcon)
        ShowTrayIcon();
    // AlwaysOnTop is applied by Create once the window is shown.
}

void CTimerWnd::SetOptions(const CTimerOptions& options)
{
    const CTimerOptions previous = m_options;
    m_options = options;
    m_options.m_placement = previous.m_placement;  // the window's own business
    if (options.m_bBorder != previous.m_bBorder)
        ApplyBorder();
    if (options.m_bAlwaysOnTop != previous.m_bAlwaysOnTop)
        ApplyAlwaysOnTop();
    if (options.m_bTaskbarIcon != previous.m_bTaskbarIcon) {
        if (options.m_bTaskbarIcon)
            ShowTrayIcon();
        else
            m_trayIcon->Remove();
    }
}

void CTimerWnd::SetImage(const CImageSettings& image)
{
    m_image = image;
    if (m_display)
        m_display->SetDisplaySet(m_image.m_displaySet);
}

void CTimerWnd::SaveAll()
{
    // Failures are not reported: the list stays modified and is written at the next save.
    m_image.Save(m_profile);
    m_model.Save();
    m_options.m_placement = placement::Current(m_hWnd);
    m_options.Save(m_profile);
}

void CTimerWnd::ApplyBorder()
{
    placement::SetFramed(m_hWnd, m_options.m_bBorder);
    // The next paints resize the window, which lets the new frame take effect.
    m_frameChange = FrameChange::Requested;
}

void CTimerWnd::ApplyAlwaysOnTop()
{
    placement::SetTopmost(m_hWnd, m_options.m_bAlwaysOnTop);
}

void CTimerWnd::ShowTrayIcon()
{
    const auto icon = reinterpret_cast<HICON>(::SendMessageA(m_hWnd, WM_GETICON, ICON_BIG, 0));
    m_trayIcon->Show(icon, ID_TRAY_NOTIFY);
}

bool CTimerWnd::PreTranslateMessage(MSG* msg)
{
    if (m_accelerators.Translate(m_hWnd, msg))
        return true;
    return CWnd::PreTranslateMessage(msg);
}

LRESULT CTimerWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (msg) {
    case kTickMessage:
        m_ticker.Received();
        OnTick();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint step covers the whole client area
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        SaveAll();
        break;
    case WM_ENDSESSION:
        if (wParam)
            SaveAll();
        return 0;
    case WM_LBUTTONDOWN:
        m_drag.Begin(m_hWnd, point);
        return 0;
    case WM_MOUSEMOVE:
        m_drag.MoveTo(m_hWnd, point, wParam);
        return 0;
    case WM_LBUTTONUP:
        m_drag.End();
        return 0;
    case WM_LBUTTONDBLCLK:
        m_drag.End();
        PostDoubleClickCommand(m_hWnd, m_options);
        return 0;
    case WM_RBUTTONDOWN:
        if (!m_drag.IsDragging())
            ShowTimerMenu(m_hWnd, m_options);
        return 0;
    case ID_TRAY_NOTIFY:
        OnTrayMouse(m_hWnd, lParam, m_options);
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    }
    if (msg == m_taskbarCreated && m_taskbarCreated != 0) {
        // The shell has restarted and forgotten every icon.
        if (m_options.m_bTaskbarIcon)
            ShowTrayIcon();
        return 0;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

void CTimerWnd::OnClose()
{
    // A dialog over the window closes first. Open due messages go with the window: the
    // appointments they announce have been handled; those still waiting stay in the list.
    if (m_dialogs.CloseOpenDialog())
        return;
    m_ticker.Stop();
    DestroyWindow();
}

void CTimerWnd::RunSettings()
{
    if (m_dialogs.RunSettings(m_hWnd, *this, m_model) && m_hWnd)
        SaveAll();
}

void CTimerWnd::OnCommand(UINT command)
{
    if (CTimerOptions options = m_options; ToggleOption(options, command)) {
        SetOptions(options);
        return;
    }
    switch (command) {
    case ID_HELP_START_PAGE:
        m_services.ShowHelpTopic(nullptr);
        break;
    case ID_HELP:
        m_services.ShowHelpTopic("ref_dlg_main.html");
        break;
    case ID_SETTINGS:
        RunSettings();
        break;
    case ID_APP_ABOUT:
        m_dialogs.RunAbout(m_hWnd, m_model.GetTermine());
        break;
    case ID_APP_EXIT:
        PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        break;
    }
}
