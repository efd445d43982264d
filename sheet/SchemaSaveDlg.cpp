// Scheme-save dialog: a non-empty name or error 103; F1 and "Hilfe" open its help page.
#include "sheet/SchemaSaveDlg.h"

#include "res/resource.h"

CSchemaSaveDlg::CSchemaSaveDlg(orv::Windows::CAppServices& services, HWND parent)
    : CAppDialog(services, IDD_SCHEMA_SAVE, kHelpTopic, parent)
{
}

BOOL CSchemaSaveDlg::OnInitDialog()
{
    CAppDialog::OnInitDialog();
    UpdateData(false);
    m_nameEdit.AttachDlgItem(IDC_SCHEME_NAME, m_hWnd);
    m_nameEdit.SetSel(0, -1);
    m_nameEdit.ScrollCaret();
    m_nameEdit.LimitText(kMaxNameLength);
    m_nameEdit.SetFocus();
    return FALSE;  // the focus is set
}

bool CSchemaSaveDlg::DoDataExchange(CDataExchange& exchange)
{
    return exchange.Text(IDC_SCHEME_NAME, m_strName);
}

void CSchemaSaveDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    if (m_strName.empty()) {
        Services().ShowError(IDS_ERR_NO_SCHEMA_NAME);
        m_nameEdit.SetFocus();
        return;
    }
    EndDialog(IDOK);
}
