// What the pages and dialogs of the sheet ask of the application: modal runs with the right
// owner, numbered messages, help pages, and a wait cursor while files are read or written.
#pragma once

#include "platform/ModalLoop.h"

#include <string>

namespace sheet {

// Through the application's RunModal, so messages meanwhile are owned by the running window.
INT_PTR RunModal(CModalWnd& dialog);
// Error or warning `id` of the string table; `path` fills its "%s" when given.
void ShowError(int id, const std::string& path = {});
void ShowWarning(int id);
void ShowHelpTopic(const char* topic);
// A Yes/No question with the application's title; true for Yes.
bool AskYesNo(HWND owner, int textId);

// Shows the hourglass until it goes out of scope.
class CWaitCursor {
public:
    CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    ~CWaitCursor();

private:
    HCURSOR m_previous;
};

}  // namespace sheet
