// About dialog: placed at the cursor, version texts from the version resource, the list.
#include "sheet/InfoDlg.h"

#include "core/CoreHost.h"
#include "framework/PathParts.h"
#include "framework/VersionInfo.h"
#include "framework/WinApp.h"
#include "res/resource.h"

CInfoDlg::CInfoDlg(HWND parent) : CAccelDialog(0, IDR_DIALOG_ACCEL, IDD_INFO, parent)
{
}

BOOL CInfoDlg::OnInitDialog()
{
    CAccelDialog::OnInitDialog();
    orv::Windows::PlaceAtCursor(m_hWnd);

    m_versionLine.AttachDlgItem(IDC_VERSION_LINE, m_hWnd);
    m_legalLine.AttachDlgItem(IDC_LEGAL_LINE, m_hWnd);
    m_list.AttachDlgItem(IDC_LIST, m_hWnd);

    orv::Windows::CVersionInfo version;
    version.Open(m_versionSource.empty() ? orv::Windows::GetModulePath(nullptr) : m_versionSource, 0);
    m_versionLine.SetWindowText(version.GetString("FileDescription") + " " + version.FormatVersion());
    m_legalLine.SetWindowText(version.GetString("LegalCopyright"));
    version.Close();

    m_list.InitList(&m_termine);
    m_list.Refill(CoreHost().Now());
    return TRUE;
}

bool CInfoDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == ID_HELP) {
        if (auto* app = orv::Windows::WinApp::Current())
            app->ShowHelpTopic("ref_dlg_info.html");
        return true;
    }
    return CAccelDialog::OnCommand(id, code, control);
}
