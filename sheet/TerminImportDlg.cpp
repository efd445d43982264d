// The import dialog: choose rows, keep only those candidates.
#include "sheet/TerminImportDlg.h"

#include "res/resource.h"

CTerminImportDlg::CTerminImportDlg(orv::Windows::CAppServices& services, HWND parent)
    : CAppDialog(services, IDD_TERMIN_IMPORT, "ref_dlg_terminimport.html", parent)
{
}

BOOL CTerminImportDlg::OnInitDialog()
{
    CAppDialog::OnInitDialog();
    CenterWindow();
    m_list.AttachDlgItem(IDC_LIST, m_hWnd);
    m_resizer.Init(m_hWnd, {{IDC_IMPORT_FRAME, CResizer::kLeft | CResizer::kTop | CResizer::kRight | CResizer::kBottom},
                            {IDC_LIST, CResizer::kLeft | CResizer::kTop | CResizer::kRight | CResizer::kBottom},
                            {IDOK, CResizer::kRight | CResizer::kBottom},
                            {IDCANCEL, CResizer::kRight | CResizer::kBottom},
                            {ID_HELP, CResizer::kRight | CResizer::kBottom}});
    m_list.InitList(&m_termine, Services().Host());
    m_list.Refill();
    UpdateImportButton();
    return TRUE;
}

void CTerminImportDlg::Layout(int width, int height)
{
    CAppDialog::Layout(width, height);
    const SIZE laidOut = GetLayoutSize();
    m_resizer.OnSize(laidOut.cx, laidOut.cy);
}

void CTerminImportDlg::UpdateImportButton()
{
    EnableItem(IDOK, m_list.GetSelectedCount() > 0);
}

bool CTerminImportDlg::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->idFrom == IDC_LIST && header->code == LVN_ITEMCHANGED) {
        UpdateImportButton();
        result = 0;
        return true;
    }
    return CAppDialog::OnNotify(header, result);
}

void CTerminImportDlg::OnOK()
{
    // Enter with nothing selected: nothing to import, the dialog stays.
    if (m_list.GetSelectedCount() == 0)
        return;
    CIndexArray unselected;
    m_list.GetUnselectedPositions(unselected);
    unselected.Sort();
    m_termine.RemoveIndices(unselected);
    m_list.Refill();
    CAppDialog::OnOK();
}
