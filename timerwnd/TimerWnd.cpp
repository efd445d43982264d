// Timer window: creation order, options in the registry, paint step, closing, mouse and commands.
#include "timerwnd/TimerWnd.h"

#include "platform/MenuEx.h"
#include "core/CoreHost.h"
#include "core/Profile.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "sheet/InfoDlg.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE;
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME;

orv::Windows::WinApp* App()
{
    return orv::Windows::WinApp::Current();
}

static_assert(sizeof(WINDOWPLACEMENT) == sizeof(CWindowPlacement), "the stored placement block");

CWindowPlacement CurrentPlacement(HWND window)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    GetWindowPlacement(window, &placement);
    CWindowPlacement stored;
    std::memcpy(&stored, &placement, sizeof(stored));
    return stored;
}

// A rectangle that meets no monitor is moved into the work area of the nearest one, whole
// where it fits. A tool window's normal rectangle is in screen coordinates.
RECT OnAMonitor(RECT rect)
{
    if (MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        return rect;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor))
        return rect;
    const RECT& work = monitor.rcWork;
    const LONG width = std::min(rect.right - rect.left, work.right - work.left);
    const LONG height = std::min(rect.bottom - rect.top, work.bottom - work.top);
    const LONG left = std::clamp(rect.left, work.left, work.right - width);
    const LONG top = std::clamp(rect.top, work.top, work.bottom - height);
    return RECT{left, top, left + width, top + height};
}

// Applies a stored placement so that the window can be seen: shown normally, with a
// rectangle that is not empty and lies on a monitor.
void ApplyPlacement(HWND window, const CWindowPlacement& stored)
{
    const CWindowPlacement showable = stored.Showable();
    WINDOWPLACEMENT placement{};
    std::memcpy(&placement, &showable, sizeof(placement));
    placement.length = sizeof(placement);
    placement.rcNormalPosition = OnAMonitor(placement.rcNormalPosition);
    SetWindowPlacement(window, &placement);
}

struct DueMessageSearch {
    HWND timer;
    std::vector<HWND> boxes;
};

// Collects the message boxes (dialogs with the system's message text control) owned, directly
// or through other windows, by the timer window.
BOOL CALLBACK CollectDueMessage(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<DueMessageSearch*>(param);
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    if (std::strcmp(className, "#32770") != 0 || !GetDlgItem(window, 0xFFFF))
        return TRUE;
    for (HWND owner = GetWindow(window, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER))
        if (owner == search->timer) {
            search->boxes.push_back(window);
            break;
        }
    return TRUE;
}

}  // namespace

CTimerWnd::CTimerWnd(orv::CProfile& profile)
    : m_profile(profile), m_accelerators(IDR_TIMER_ACCEL),
      m_taskbarCreated(RegisterWindowMessageA("TaskbarCreated"))
{
}

CTimerWnd::~CTimerWnd()
{
    m_display.reset();
    m_trayIcon.reset();
    m_ticker.Stop();
}

bool CTimerWnd::Create()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    WindowClass windowClass{kWindowClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, icon,
                            LoadCursor(nullptr, IDC_ARROW), nullptr};
    const std::string title = App() ? App()->m_strAppName : std::string("Zielmark");
    if (!CreateEx(windowClass, kExStyle, title, kStyle, 20, 20, 180, 10, nullptr, nullptr))
        return false;

    {
        const CClientDC dc(m_hWnd);
        m_display = std::make_unique<CTimerDisplay>(dc.Get(), m_profile);
    }
    m_display->Load();
    MeasureFrame();
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    m_trayIcon = std::make_unique<CTimerTrayIcon>(m_hWnd);
    LoadOptions();
    ShowWindow(m_hWnd, SW_SHOW);
    UpdateWindow(m_hWnd);
    ApplyAlwaysOnTop();

    if (StartTicker() != 0) {
        if (App())
            App()->ShowError(IDS_ERR_TICKER_START);
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
    m_options.m_placement = CurrentPlacement(m_hWnd);
    if (!m_options.Load(m_profile))
        return;
    ApplyBorder();
    ApplyPlacement(m_hWnd, m_options.m_placement);
    // A rectangle too small for the client area gets no paint, and so never the text's size:
    // it starts from a size that paints, at the stored position.
    RECT client{};
    GetClientRect(m_hWnd, &client);
    if (IsRectEmpty(&client)) {
        RECT window{};
        GetWindowRect(m_hWnd, &window);
        MoveWindow(m_hWnd, window.left, window.top, m_frameExtent.cx + 2 * m_display->Margin(),
                   m_frameExtent.cy + 2 * m_display->Margin(), FALSE);
    }
    if (m_options.m_bTaskbarIcon)
        ShowTrayIcon();
    // AlwaysOnTop is applied by Create once the window is shown.
}

void CTimerWnd::SaveOptions()
{
    m_options.m_placement = CurrentPlacement(m_hWnd);
    m_options.Save(m_profile);
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

void CTimerWnd::SaveAll()
{
    if (m_display)
        m_display->Save();
    SaveOptions();
}

void CTimerWnd::ApplyBorder()
{
    LONG style = GetWindowLongA(m_hWnd, GWL_STYLE);
    LONG exStyle = GetWindowLongA(m_hWnd, GWL_EXSTYLE);
    if (m_options.m_bBorder) {
        style |= WS_DLGFRAME;
        exStyle |= WS_EX_CLIENTEDGE;
    } else {
        style &= ~WS_DLGFRAME;
        exStyle &= ~WS_EX_CLIENTEDGE;
    }
    SetWindowLongA(m_hWnd, GWL_STYLE, style);
    SetWindowLongA(m_hWnd, GWL_EXSTYLE, exStyle);
    // The next paints resize the window, which lets the new frame take effect.
    m_frameChangePending = 1;
}

void CTimerWnd::ApplyAlwaysOnTop()
{
    SetWindowPos(m_hWnd, m_options.m_bAlwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}

void CTimerWnd::ShowTrayIcon()
{
    const auto icon = reinterpret_cast<HICON>(::SendMessageA(m_hWnd, WM_GETICON, ICON_BIG, 0));
    m_trayIcon->Show(icon, ID_TRAY_NOTIFY);
}

void CTimerWnd::MeasureFrame()
{
    // From the styles rather than window minus client: at creation the window is only 10
    // pixels high, too low for the client edge, which the client area then leaves out, and the
    // frame would come out 4 pixels short (the text clipped, a resize on every paint).
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(m_hWnd, GWL_EXSTYLE)));
    m_frameExtent.cx = frame.right - frame.left;
    m_frameExtent.cy = frame.bottom - frame.top;
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
        BeginDrag(point);
        return 0;
    case WM_MOUSEMOVE:
        DragTo(point, wParam);
        return 0;
    case WM_LBUTTONUP:
        EndDrag();
        return 0;
    case WM_LBUTTONDBLCLK:
        EndDrag();
        RunDoubleClickCommand();
        return 0;
    case WM_RBUTTONDOWN:
        if (!m_dragging)
            ShowContextMenu();
        return 0;
    case ID_TRAY_NOTIFY:
        OnTrayNotify(lParam);
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

void CTimerWnd::OnTick()
{
    if (m_closePending)
        return;
    // Due handling changes the model and may show messages: here, never while painting.
    if (m_display) {
        ++m_dueDepth;
        m_display->HandleDue([this] { return !m_closePending && m_hWnd && ::IsWindow(m_hWnd); });
        --m_dueDepth;
        // Only the outermost due loop may end the window: the inner ones return into it.
        if (m_dueDepth == 0 && m_deletePending) {
            delete this;  // destroyed by someone else while a message was open
            return;
        }
        if (m_dueDepth == 0 && m_closePending) {
            DestroyWindow();  // the close that came while a message was open
            return;
        }
    }
    // Also while a message is open: the window keeps counting behind it.
    if (!m_closePending && m_hWnd && IsWindow(m_hWnd))
        InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CTimerWnd::OnPaint()
{
    const CPaintDC dc(m_hWnd);
    if (!m_display)
        return;
    m_display->Update();
    FitToSurface();
    m_display->Blit(dc.Get());
    if (m_trayIcon)
        m_trayIcon->SetDays(m_display->GetDayCount());
}

void CTimerWnd::FitToSurface()
{
    RECT client{};
    GetClientRect(m_hWnd, &client);
    const SIZE surface = m_display->GetSurfaceSize();
    if (m_frameChangePending == 2 || client.right != surface.cx || client.bottom != surface.cy) {
        const SIZE extra = m_options.m_bBorder ? m_frameExtent : SIZE{0, 0};
        RECT window{};
        GetWindowRect(m_hWnd, &window);
        MoveWindow(m_hWnd, window.left, window.top, surface.cx + extra.cx, surface.cy + extra.cy, TRUE);
        m_frameChangePending = 0;
    }
    if (m_frameChangePending == 1)
        m_frameChangePending = 2;
}

void CTimerWnd::OnClose()
{
    // A dialog running modally over the window has its frame on this window's stack: it is
    // asked to close, and the window closes once it has returned.
    if (m_openDialog) {
        m_closePending = true;
        if (m_openDialog->GetSafeHwnd())
            PostMessageA(m_openDialog->GetSafeHwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
    }
    m_ticker.Stop();
    if (m_dueDepth > 0) {
        // The window goes once the due loop is back from its message; the open messages are
        // ended so that this is at once. The appointment they announce has been handled.
        m_closePending = true;
        CloseDueMessages();
        return;
    }
    DestroyWindow();
}

bool CTimerWnd::BringOpenDialogToFront() const
{
    if (!m_openDialog)
        return false;
    if (const HWND open = m_openDialog->GetSafeHwnd())
        SetForegroundWindow(open);
    return true;
}

INT_PTR CTimerWnd::RunDialog(CModalWnd& dialog)
{
    m_openDialog = &dialog;
    const INT_PTR result = App() ? App()->RunModal(dialog) : dialog.DoModal();
    m_openDialog = nullptr;
    if (m_closePending) {
        m_closePending = false;
        PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
    }
    return result;
}

void CTimerWnd::RunAbout()
{
    if (BringOpenDialogToFront())
        return;
    CInfoDlg dialog(*App(), m_hWnd, CoreHost().Now());
    dialog.Termine() = m_display->GetTermine();
    RunDialog(dialog);
}

void CTimerWnd::RunSettings()
{
    if (BringOpenDialogToFront())
        return;
    CSettingsDlg sheet(*App(), IDS_SETTINGS_CAPTION, m_hWnd, CSettingsDlg::kPageTermine);
    m_display->StartRecordingHandled();
    sheet.Run(*this, [this](CModalWnd& dialog) { return RunDialog(dialog); });
    if (m_display)
        m_display->StopRecordingHandled();
    SaveAll();
}

void CTimerWnd::CloseDueMessages()
{
    DueMessageSearch search{m_hWnd, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectDueMessage, reinterpret_cast<LPARAM>(&search));
    for (HWND box : search.boxes)
        PostMessageA(box, WM_COMMAND, IDOK, 0);
}

void CTimerWnd::PostNcDestroy()
{
    if (m_dueDepth > 0)
        m_deletePending = true;  // the due loop still runs on this object; it deletes it
    else
        delete this;
}

void CTimerWnd::BeginDrag(POINT clientPoint)
{
    m_dragging = true;
    m_lastCursor = clientPoint;
    ClientToScreen(m_hWnd, &m_lastCursor);
    SetCapture(m_hWnd);
}

void CTimerWnd::DragTo(POINT clientPoint, WPARAM keys)
{
    if (!m_dragging)
        return;
    if (!(keys & MK_LBUTTON)) {
        EndDrag();
        return;
    }
    POINT screen = clientPoint;
    ClientToScreen(m_hWnd, &screen);
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    OffsetRect(&window, screen.x - m_lastCursor.x, screen.y - m_lastCursor.y);
    MoveWindow(m_hWnd, window.left, window.top, window.right - window.left,
               window.bottom - window.top, TRUE);
    m_lastCursor = screen;
}

void CTimerWnd::EndDrag()
{
    if (!m_dragging)
        return;
    m_dragging = false;
    ReleaseCapture();
}

void CTimerWnd::RunDoubleClickCommand()
{
    if (m_options.m_nDblClkCmd != 0)
        PostMessageA(m_hWnd, WM_COMMAND, static_cast<WPARAM>(m_options.m_nDblClkCmd), 0);
}

void CTimerWnd::ShowContextMenu()
{
    POINT cursor{};
    GetCursorPos(&cursor);
    orv::CMenuEx menu;
    if (!menu.LoadMenu(IDR_TIMER_MENU))
        return;
    const auto popup = menu.GetSubMenuEx(0);
    if (!popup)
        return;
    popup->CheckItem(ID_TASKBAR_ICON, m_options.m_bTaskbarIcon);
    popup->CheckItem(ID_ALWAYS_ON_TOP, m_options.m_bAlwaysOnTop);
    popup->CheckItem(ID_BORDER, m_options.m_bBorder);
    TrackPopupMenu(popup->GetSafeHmenu(), 0, cursor.x, cursor.y, 0, m_hWnd, nullptr);
}

void CTimerWnd::OnTrayNotify(LPARAM mouseMessage)
{
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
        SetForegroundWindow(m_hWnd);
        break;
    case WM_LBUTTONDBLCLK:
        SetForegroundWindow(m_hWnd);
        RunDoubleClickCommand();
        break;
    case WM_RBUTTONDOWN:
        SetForegroundWindow(m_hWnd);
        ShowContextMenu();
        break;
    }
}

void CTimerWnd::OnCommand(UINT command)
{
    switch (command) {
    case ID_TASKBAR_ICON:
        if (m_options.m_bTaskbarIcon) {
            m_options.m_bTaskbarIcon = false;
            m_trayIcon->Remove();
        } else {
            m_options.m_bTaskbarIcon = true;
            ShowTrayIcon();
        }
        break;
    case ID_ALWAYS_ON_TOP:
        m_options.m_bAlwaysOnTop = !m_options.m_bAlwaysOnTop;
        ApplyAlwaysOnTop();
        break;
    case ID_BORDER:
        m_options.m_bBorder = !m_options.m_bBorder;
        ApplyBorder();
        break;
    case ID_HELP_START_PAGE:
        if (App())
            App()->ShowHelpTopic(nullptr);
        break;
    case ID_HELP:
        if (App())
            App()->ShowHelpTopic("ref_dlg_main.html");
        break;
    case ID_SETTINGS:
        RunSettings();
        break;
    case ID_APP_ABOUT:
        RunAbout();
        break;
    case ID_APP_EXIT:
        PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        break;
    }
}
