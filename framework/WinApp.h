// The application object's bases: the instance, name, main window and message loop (CWinApp),
// and the framework's application base (orv::Windows::WinApp) with the program and help paths,
// the settings store, the owner of messages and help windows, numbered messages with their
// help topics, and the two ways of showing help.
#pragma once

#include "core/MessageHelpMap.h"
#include "core/Profile.h"
#include "framework/AppServices.h"
#include "framework/MessageDlg.h"
#include "platform/Wnd.h"

#include <cstdarg>
#include <memory>
#include <string>

class CWinApp {
public:
    // The one application object registers itself; there is never more than one.
    explicit CWinApp(const char* appName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // Runs InitInstance, the message loop while it succeeded, then ExitInstance.
    int WinMain(HINSTANCE instance, int showCommand);

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return m_nExitCode; }
    // Pumps messages until WM_QUIT; returns its exit code.
    virtual int Run();
    // The main window has received its last message: the message loop ends.
    virtual void OnMainWindowDestroyed();

    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    std::string m_strAppName;
    CWnd* m_pMainWnd = nullptr;

protected:
    int m_nExitCode = 0;
    // The one application object, for the few at the top that may ask for it.
    static inline CWinApp* s_pApplication = nullptr;
};

namespace orv::Windows {

// Where the program's files and settings are, derived from the program file and the
// application name.
struct CAppPaths {
    std::string programPath;    // the program file
    std::string programFolder;  // its drive and folder, with a trailing "\"
    std::string helpFolder;     // the folder "help\" in the program folder
    std::string helpFilePath;   // the compiled help file: the program path with ".chm"
    std::string registryKey;    // "Orvanta\" + application name, below HKCU\Software
};

// All empty for an empty program path.
CAppPaths AppPathsFor(const std::string& programPath, const std::string& appName);

// The program's application object derives from it and names the core host it owns (Host).
class WinApp : public CWinApp, public CAppServices {
public:
    explicit WinApp(const char* appName = nullptr);
    ~WinApp() override;

    static WinApp* Current() { return static_cast<WinApp*>(s_pApplication); }

    BOOL InitInstance() override;
    // Program, help and registry paths; false when the program path is unknown.
    virtual BOOL InitPaths();

    // The window becomes the main window and the owner of messages; the application learns
    // from the window itself when it is gone.
    void SetMainWindow(CWnd* window);
    void ReleaseMainWindow();
    void OnMainWindowDestroyed() override;
    HWND GetOwnerHandle() const { return m_pOwnerWnd ? m_pOwnerWnd->Handle() : nullptr; }

    CProfile* GetProfile() const { return m_pProfile.get(); }

    INT_PTR ShowMessage(const char* format, va_list args, const char* caption, int kind);
    INT_PTR RunModal(CModalWnd& dialog) override;
    bool AskYesNo(HWND owner, int textId) override;

    CMessageHelpMap& HelpTopics() { return m_helpTopics; }
    void SetHelpCallback(MessageHelpCallback callback, void* userData);

    // In the web browser when m_bHelpInBrowser is set, else through the compiled-help viewer.
    void ShowHelpTopic(const char* topic) override;

    bool m_bHelpInBrowser = false;

    const CAppPaths& GetPaths() const { return m_paths; }
    // Public so that services handed on in the application's name can forward to it.
    void ShowNumbered(int id, int kind, va_list args) override;

protected:

private:
    static void HelpHandler(int event, int32_t messageId, void* userData, CMessageDlg* dialog);
    void DisplayBrowserHelp(const char* topic);
    void DisplayHHelp(const char* topic);

    CWnd* m_pOwnerWnd = nullptr;
    CMessageHelpMap m_helpTopics;
    MessageHelpCallback m_pfnHelpCallback;
    int32_t m_nCurrentMessageId = 0;
    void* m_pHelpUserData;
    std::unique_ptr<CProfile> m_pProfile;
    CAppPaths m_paths;
    HMODULE m_hHelpViewer = nullptr;
    std::shared_ptr<int> m_pLifeToken = std::make_shared<int>(0);  // expires with the object
};

// Moves a window so that its upper left corner is at the mouse cursor, wholly on the work area
// of the monitor under the cursor, topmost.
void PlaceAtCursor(HWND window);

}  // namespace orv::Windows
