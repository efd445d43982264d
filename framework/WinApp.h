// The application base: program and help paths, the settings store, the owner of messages and
// help windows, numbered messages with their help topics, and the two ways of showing help.
#pragma once

#include "framework/MessageDlg.h"
#include "core/MessageHelpMap.h"
#include "core/Profile.h"
#include "platform/Dialog.h"
#include "platform/ModalLoop.h"
#include "platform/WinApp.h"

#include <cstdarg>
#include <memory>
#include <string>

namespace orv::Windows {

class WinApp : public CWinApp {
public:
    explicit WinApp(const char* appName = nullptr);
    ~WinApp() override;

    static WinApp* Current() { return static_cast<WinApp*>(CWinApp::Current()); }

    BOOL InitInstance() override;
    // Program, help and registry paths; false when the program path is unknown.
    virtual BOOL InitPaths();

    void SetMainWindow(CWnd* window);
    void ReleaseMainWindow();
    void OnMainWindowDestroyed() override;
    CWnd* GetOwnerWindow() const { return m_pOwnerWnd; }
    HWND GetOwnerHandle() const { return m_pOwnerWnd ? m_pOwnerWnd->GetSafeHwnd() : nullptr; }

    CProfile* GetProfile() const { return m_pProfile.get(); }

    // Numbered messages: the string-table text of `id`, formatted with the arguments.
    void ShowError(int id, ...);
    void ShowWarning(int id, ...);
    INT_PTR ShowMessage(const char* format, va_list args, const char* caption, int kind);
    // Runs a dialog, sheet or system dialog with it as the owner of every message and help
    // window meanwhile (for a system dialog: its owner).
    INT_PTR RunModal(CModalWnd& dialog);

    CMessageHelpMap& HelpTopics() { return m_helpTopics; }
    void SetHelpCallback(MessageHelpCallback callback, void* userData);
    int32_t GetCurrentMessageId() const { return m_nCurrentMessageId; }

    virtual void ShowHelpTopic(const char* topic);
    void DisplayBrowserHelp(const char* topic);
    void DisplayHHelp(const char* topic);

    int32_t m_bHelpInBrowser = 0;

    const std::string& GetProgramPath() const { return m_strProgramPath; }
    const std::string& GetProgramFolder() const { return m_strProgramFolder; }
    const std::string& GetHelpFolder() const { return m_strHelpFolder; }
    const std::string& GetRegistryKey() const { return m_strRegistryKey; }
    const std::string& GetProfileFileName() const { return m_strProfileName; }
    const std::string& GetHelpFilePath() const { return m_strHelpFilePath; }

protected:
    void SetHelpFolder(const std::string& folder) { m_strHelpFolder = folder; }

private:
    static void HelpHandler(int event, int32_t messageId, void* userData, CMessageDlg* dialog);
    void ShowNumbered(int id, va_list args, int captionId, int kind);

    CWnd* m_pOwnerWnd = nullptr;
    CMessageHelpMap m_helpTopics;
    MessageHelpCallback m_pfnHelpCallback;
    int32_t m_nCurrentMessageId = 0;
    void* m_pHelpUserData;
    std::unique_ptr<CProfile> m_pProfile;
    std::string m_strCommandLine;
    std::string m_strProgramPath;
    std::string m_strProgramFolder;
    std::string m_strHelpFolder;
    std::string m_strAppNameCopy;
    std::string m_strProfileName;
    std::string m_strRegistryKey;
    std::string m_strHelpFilePath;
    HMODULE m_hHelpViewer = nullptr;
};

// Moves a window so that its upper left corner is at the mouse cursor, on the screen, topmost.
void PlaceAtCursor(HWND window);

}  // namespace orv::Windows
