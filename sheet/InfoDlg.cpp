// About dialog: placed at the cursor, version texts from the version resource, the list.
#include "sheet/InfoDlg.h"

#include "framework/PathParts.h"
#include "framework/VersionInfo.h"
#include "framework/WinApp.h"
#include "res/resource.h"

CVersionLines VersionLinesOf(const std::string& file)
{
    orv::Windows::CVersionInfo version;
    version.Open(file, 0);
    return {version.GetString("FileDescription") + " " + version.FormatVersion(),
            version.GetString("LegalCopyright")};
}

CInfoDlg::CInfoDlg(orv::Windows::CAppServices& services, HWND parent, const CDateTime& now)
    : CAppDialog(services, IDD_INFO, "ref_dlg_info.html", parent), m_now(now)
{
}

BOOL CInfoDlg::OnInitDialog()
{
    CAppDialog::OnInitDialog();
    orv::Windows::PlaceAtCursor(m_hWnd);

    m_list.AttachDlgItem(IDC_LIST, m_hWnd);

    m_versionLines = VersionLinesOf(orv::Windows::GetModulePath(nullptr));
    UpdateData(false);

    m_list.InitList(&m_termine, Services().Host());
    m_list.Refill(m_now);
    return TRUE;
}

bool CInfoDlg::DoDataExchange(CDataExchange& exchange)
{
    return exchange.Text(IDC_VERSION_LINE, m_versionLines.version) &&
           exchange.Text(IDC_LEGAL_LINE, m_versionLines.legal);
}
