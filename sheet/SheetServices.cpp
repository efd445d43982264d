// The application's services for the sheet, with plain Win32 where no application object runs.
#include "sheet/SheetServices.h"

#include "core/StringUtil.h"
#include "framework/WinApp.h"
#include "platform/ResourceText.h"
#include "res/resource.h"

namespace sheet {

using orv::Windows::WinApp;

INT_PTR RunModal(CModalWnd& dialog)
{
    if (WinApp* app = WinApp::Current())
        return app->RunModal(dialog);
    return dialog.DoModal();
}

void ShowError(int id, const std::string& path)
{
    if (WinApp* app = WinApp::Current()) {
        app->ShowError(id, path.c_str());
        return;
    }
    const std::string text = orv::Format(LoadResourceText(id).c_str(), path.c_str());
    MessageBoxA(GetActiveWindow(), text.c_str(), LoadResourceText(IDS_CAPTION_ERROR).c_str(), MB_OK | MB_ICONERROR);
}

void ShowWarning(int id)
{
    if (WinApp* app = WinApp::Current()) {
        app->ShowWarning(id);
        return;
    }
    MessageBoxA(GetActiveWindow(), LoadResourceText(id).c_str(), LoadResourceText(IDS_CAPTION_WARNING).c_str(),
                MB_OK | MB_ICONWARNING);
}

void ShowHelpTopic(const char* topic)
{
    if (WinApp* app = WinApp::Current())
        app->ShowHelpTopic(topic);
}

bool AskYesNo(HWND owner, int textId)
{
    return MessageBoxA(owner, LoadResourceText(textId).c_str(), LoadResourceText(IDS_APP_NAME).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

CWaitCursor::CWaitCursor() : m_previous(SetCursor(LoadCursor(nullptr, IDC_WAIT)))
{
}

CWaitCursor::~CWaitCursor()
{
    SetCursor(m_previous);
}

}  // namespace sheet
