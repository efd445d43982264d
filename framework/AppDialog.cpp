// The help command of every dialog of ours, answered in one place.
#include "framework/AppDialog.h"

#include "res/resource.h"

namespace orv::Windows {

CAppDialog::CAppDialog(CAppServices& services, UINT templateId, const char* helpTopic, HWND parent)
    : CAccelDialog(0, IDR_DIALOG_ACCEL, templateId, parent), m_services(services), m_helpTopic(helpTopic)
{
}

bool CAppDialog::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == ID_HELP) {
        m_services.ShowHelpTopic(m_helpTopic);
        return true;
    }
    return CAccelDialog::OnCommand(id, code, control);
}

}  // namespace orv::Windows
