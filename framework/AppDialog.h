// The base of the program's modal dialogs: F1 through the dialogs' accelerator table, and the
// help command (F1, "Hilfe") shows the dialog's own help page.
#pragma once

#include "framework/AppServices.h"
#include "platform/SizingDialog.h"

namespace orv::Windows {

class CAppDialog : public CAccelDialog {
public:
    // `services` show the help page `helpTopic` and outlive the dialog.
    CAppDialog(CAppServices& services, UINT templateId, const char* helpTopic, HWND parent);

    const char* HelpTopic() const { return m_helpTopic; }

protected:
    bool OnCommand(WORD id, WORD code, HWND control) override;
    CAppServices& Services() const { return m_services; }

private:
    CAppServices& m_services;
    const char* m_helpTopic;
};

}  // namespace orv::Windows
