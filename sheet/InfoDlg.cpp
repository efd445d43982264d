// About dialog: placed at the cursor, version texts from the version resource, the list.
#include "sheet/InfoDlg.h"

#include "framework/PathParts.h"
#include "framework/VersionInfo.h"
#include "framework/WinApp.h"
#include "res/resource.h"

CInfoDlg::CInfoDlg(orv::Windows::CAppServices& services, HWND parent, const CDateTime& now)
    : CAccelDialog(0, IDR_DIALOG_ACCEL, IDD_INFO, parent), m_services(services), m_now(now)
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
    version.Open(m_strVersionSource.empty() ? orv::Windows::GetModulePath(nullptr) : m_strVersionSource, 0);
    m_versionLine.SetWindowText(version.GetString("FileDescription") + " " + version.FormatVersion());
    m_legalLine.SetWindowText(version.GetString("LegalCopyright"));
    version.Close();

    m_list.InitList(&m_termine);
    m_list.Refill(m_now);
    return TRUE;
}

bool CInfoDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == ID_HELP) {
        m_services.ShowHelpTopic("ref_dlg_info.html");
        return true;
    }
    return CAccelDialog::OnCommand(id, code, control);
}
