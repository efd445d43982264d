// Application bases: registration and the message loop; paths, settings store, message
// reporting and help display.
#include "framework/WinApp.h"

#include "core/HelpText.h"
#include "core/StringUtil.h"
#include "framework/PathParts.h"
#include "framework/RegistryProfile.h"
#include "platform/ModalLoop.h"
#include "platform/LateDlls.h"
#include "platform/MonitorArea.h"
#include "platform/ResourceText.h"
#include "res/resource.h"

#include <shellapi.h>

CWinApp::CWinApp(const char* appName)
{
    m_strAppName = appName ? appName : LoadResourceText(IDS_APP_NAME);
    m_hInstance = GetModuleHandleA(nullptr);
    s_pApplication = this;
}

CWinApp::~CWinApp()
{
    if (s_pApplication == this)
        s_pApplication = nullptr;
}

int CWinApp::WinMain(HINSTANCE instance, int showCommand)
{
    m_hInstance = instance;
    m_nCmdShow = showCommand;
    if (InitInstance())
        m_nExitCode = Run();
    return ExitInstance();
}

void CWinApp::OnMainWindowDestroyed()
{
    m_pMainWnd = nullptr;
    PostQuitMessage(0);
}

int CWinApp::Run()
{
    return RunMessageLoop();
}

namespace orv::Windows {

namespace {

// The compiled-help viewer is optional: it is loaded when asked for, and its absence is a
// reported failure, not a start-up failure.
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr UINT kDisplayTopic = 0;

void ShowStop(HWND owner, int formatId, const std::string& argument)
{
    const std::string text = Format(LoadResourceText(formatId).c_str(), argument.c_str());
    MessageBoxA(owner, text.c_str(), LoadResourceText(IDS_APP_NAME).c_str(), MB_OK | MB_ICONSTOP);
}

}  // namespace

WinApp::WinApp(const char* appName)
    : CWinApp(appName), m_pfnHelpCallback(&WinApp::HelpHandler), m_pHelpUserData(this)
{
}

WinApp::~WinApp()
{
    // The viewer's windows live as long as its library: it stays loaded until the end.
    if (m_hHelpViewer)
        FreeLibrary(m_hHelpViewer);
}

BOOL WinApp::InitInstance()
{
    const BOOL pathsKnown = InitPaths();
    auto profile = std::make_unique<CRegistryProfile>();
    profile->SetPath(m_paths.registryKey.c_str());
    m_pProfile = std::move(profile);
    return pathsKnown;
}

CAppPaths AppPathsFor(const std::string& programPath, const std::string& appName)
{
    CAppPaths paths;
    if (programPath.empty())
        return paths;
    paths.programPath = programPath;
    CPathParts parts(programPath);
    paths.programFolder = parts.GetFolder();
    paths.registryKey = "Orvanta\\" + appName;
    parts.SetExtension(".chm");
    paths.helpFilePath = parts.GetFullPath();
    paths.helpFolder = paths.programFolder + "help\\";
    return paths;
}

BOOL WinApp::InitPaths()
{
    m_paths = AppPathsFor(GetModulePath(m_hInstance), m_strAppName);
    return m_paths.programPath.empty() ? FALSE : TRUE;
}

void WinApp::SetMainWindow(CWnd* window)
{
    ReleaseMainWindow();
    m_pMainWnd = window;
    m_pOwnerWnd = window;
    if (!window)
        return;
    // A window that outlives the application finds the token gone and calls nothing.
    window->SetAfterLastMessage([this, alive = std::weak_ptr<int>(m_pLifeToken)] {
        if (!alive.expired())
            OnMainWindowDestroyed();
    });
}

void WinApp::ReleaseMainWindow()
{
    if (m_pMainWnd) {
        m_pMainWnd->SetAfterLastMessage(nullptr);
        m_pOwnerWnd = nullptr;
        m_pMainWnd = nullptr;
    }
}

void WinApp::OnMainWindowDestroyed()
{
    // Messages raised after this have no owner rather than a window that is gone.
    if (m_pOwnerWnd == m_pMainWnd)
        m_pOwnerWnd = nullptr;
    CWinApp::OnMainWindowDestroyed();
}

void WinApp::SetHelpCallback(MessageHelpCallback callback, void* userData)
{
    m_pfnHelpCallback = callback;
    m_pHelpUserData = userData;
}

void WinApp::ShowNumbered(int id, int kind, va_list args)
{
    m_nCurrentMessageId = id;
    const std::string format = LoadResourceText(id);
    const std::string caption =
        LoadResourceText(kind == kMessageWarning ? IDS_CAPTION_WARNING : IDS_CAPTION_ERROR);
    ShowMessage(format.c_str(), args, caption.c_str(), kind);
}

bool WinApp::AskYesNo(HWND owner, int textId)
{
    return MessageBoxA(owner, LoadResourceText(textId).c_str(), LoadResourceText(IDS_APP_NAME).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

INT_PTR WinApp::ShowMessage(const char* format, va_list args, const char* caption, int kind)
{
    std::string text = FormatV(format, args);
    if (text.size() > 999)
        text.resize(999);
    CMessageDlg dialog(GetOwnerHandle(), text, caption, kind);
    if (m_pfnHelpCallback)
        dialog.SetHelp(m_pfnHelpCallback, m_nCurrentMessageId, m_pHelpUserData);
    return RunModal(dialog);
}

INT_PTR WinApp::RunModal(CModalWnd& dialog)
{
    CWnd* const previousOwner = m_pOwnerWnd;
    if (CWnd* owner = dialog.MessageOwner())
        m_pOwnerWnd = owner;
    const INT_PTR result = dialog.DoModal();
    m_pOwnerWnd = previousOwner;
    return result;
}

void WinApp::HelpHandler(int event, int32_t messageId, void* userData, CMessageDlg*)
{
    if (event != CMessageDlg::kHelpWanted)
        return;
    auto* app = static_cast<WinApp*>(userData);
    const std::string topic = app->m_helpTopics.TopicFor(messageId);
    app->ShowHelpTopic(topic.c_str());
}

void WinApp::ShowHelpTopic(const char* topic)
{
    if (m_bHelpInBrowser)
        DisplayBrowserHelp(topic);
    else
        DisplayHHelp(topic);
}

void WinApp::DisplayBrowserHelp(const char* topic)
{
    const HelpPage page = HelpPageFor(m_paths.helpFolder, topic ? topic : "");
    char program[MAX_PATH + 1] = "";
    const auto found = reinterpret_cast<INT_PTR>(orv::late::FindExecutableA(page.file.c_str(), nullptr, program));
    INT_PTR started = 0;
    if (found > 32)
        started = reinterpret_cast<INT_PTR>(
            orv::late::ShellExecuteA(nullptr, nullptr, program, page.address.c_str(), nullptr, SW_SHOWNORMAL));
    if (found <= 32 || started <= 32)
        ShowStop(GetOwnerHandle(), IDS_HELP_PAGE_FAILED, page.file);
}

void WinApp::DisplayHHelp(const char* topic)
{
    std::string helpFile = m_paths.helpFilePath;
    if (topic)
        helpFile += topic;
    HWND owner = GetOwnerHandle() ? GetOwnerHandle() : GetDesktopWindow();
    Trace("[orv::Windows::WinApp::DisplayHHelp] helpFile=\"%s\"\n", helpFile.c_str());
    if (!m_hHelpViewer)
        m_hHelpViewer = LoadLibraryA("hhctrl.ocx");
    auto htmlHelp = m_hHelpViewer
                        ? reinterpret_cast<HtmlHelpFunction>(
                                reinterpret_cast<void*>(GetProcAddress(m_hHelpViewer, "HtmlHelpA")))
                        : nullptr;
    if (!htmlHelp || !htmlHelp(owner, helpFile.c_str(), kDisplayTopic, 0))
        ShowStop(owner, IDS_ONLINE_HELP_FAILED, helpFile);
}

void PlaceAtCursor(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    POINT cursor{};
    GetCursorPos(&cursor);
    // The monitor the user is looking at, not the primary one, and clear of its taskbar.
    const POINT topLeft = orv::KeepInArea(cursor, size, orv::WorkAreaAt(cursor));
    SetWindowPos(window, HWND_TOPMOST, topLeft.x, topLeft.y, size.cx, size.cy, 0);
}

}  // namespace orv::Windows
