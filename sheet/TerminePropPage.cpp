// The page "Termine": the list, its buttons, the appointment dialog and deleting.
#include "sheet/TerminePropPage.h"

#include "core/CoreHost.h"
#include "res/resource.h"
#include "sheet/TerminDlg.h"

CTerminePropPage::CTerminePropPage(orv::Windows::CAppServices& services, orv::CProfile& profile)
    : CPropertyPage(IDD_TERMINE_PAGE), m_services(services), m_profile(profile)
{
}

BOOL CTerminePropPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    LoadFolders();
    m_exportButton.AttachDlgItem(IDC_EXPORT, m_hWnd);
    m_list.AttachDlgItem(IDC_LIST, m_hWnd);
    m_changeButton.AttachDlgItem(IDC_CHANGE, m_hWnd);
    m_deleteButton.AttachDlgItem(IDC_DELETE, m_hWnd);
    m_list.InitList(&m_termine);
    m_list.Refill();
    UpdateButtons();
    return TRUE;
}

void CTerminePropPage::OnDestroy()
{
    CPropertyPage::OnDestroy();
    SaveFolders();
}

void CTerminePropPage::LoadFolders()
{
    if (!m_profile.OpenSection(kSection))
        return;
    m_strExportPath = m_profile.GetString("ExportPath", m_strExportPath);
    m_strImportPath = m_profile.GetString("ImportPath", m_strImportPath);
    m_profile.CloseSection();
}

void CTerminePropPage::SaveFolders()
{
    if (!m_profile.OpenSection(kSection))
        return;
    m_profile.WriteString("ExportPath", m_strExportPath);
    m_profile.WriteString("ImportPath", m_strImportPath);
    m_profile.CloseSection();
}

void CTerminePropPage::UpdateButtons()
{
    if (!m_hWnd)
        return;
    const int selected = m_list.GetSelectedCount();
    m_changeButton.EnableWindow(selected == 1);
    m_deleteButton.EnableWindow(selected >= 1);
    m_exportButton.EnableWindow(selected >= 1);
}

void CTerminePropPage::MarkModified(bool modified)
{
    if (m_hWnd) {
        if (!modified)
            m_list.SetFocus();
        UpdateButtons();
    }
    SetModified(modified);
}

bool CTerminePropPage::OnCommand(WORD id, WORD code, HWND control)
{
    switch (id) {
    case IDC_NEW: OnNew(); return true;
    case IDC_CHANGE: OnChange(); return true;
    case IDC_DELETE: OnDelete(); return true;
    case IDC_EXPORT: OnExport(); return true;
    case IDC_IMPORT: OnImport(); return true;
    }
    return CPropertyPage::OnCommand(id, code, control);
}

bool CTerminePropPage::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->idFrom == IDC_LIST) {
        switch (header->code) {
        case NM_DBLCLK:
            if (m_list.GetSelectedCount() == 0)
                OnNew();
            else
                OnChange();
            result = 0;
            return true;
        case LVN_ITEMCHANGED:
            UpdateButtons();
            result = 0;
            return true;
        case LVN_KEYDOWN:
            // The key a list user reaches for; it asks first, like the button.
            if (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey == VK_DELETE)
                OnDelete();
            result = 0;
            return true;
        }
    }
    return CPropertyPage::OnNotify(header, result);
}

void CTerminePropPage::OnNew()
{
    CTerminDlg dialog(m_services, m_hWnd);
    dialog.m_termin = CTermin::Tomorrow(CoreHost().Now());
    if (m_services.RunModal(dialog) != IDOK)
        return;
    m_termine.m_bModified = true;
    m_termine.SetSize(m_termine.GetSize() + 1);
    m_termine[m_termine.GetSize() - 1] = dialog.m_termin;
    m_list.Refill();
    MarkModified(true);
}

void CTerminePropPage::OnChange()
{
    const int position = m_list.GetFirstSelected();
    if (position < 0)
        return;
    CTerminDlg dialog(m_services, m_hWnd);
    dialog.m_termin = m_termine.GetAt(static_cast<size_t>(position));
    if (m_services.RunModal(dialog) != IDOK)
        return;
    m_termine.m_bModified = true;
    m_termine[static_cast<size_t>(position)] = dialog.m_termin;
    // Rows and selection stay; the edited row shows its new texts.
    m_list.Sort(-1);
    m_list.Invalidate();
    MarkModified(true);
}

void CTerminePropPage::OnDelete()
{
    CIndexArray positions;
    m_list.GetSelectedPositions(positions);
    if (positions.GetSize() == 0)
        return;
    positions.Sort();
    const int question = positions.GetSize() == 1 ? IDS_CONFIRM_DELETE_ONE : IDS_CONFIRM_DELETE_MANY;
    if (!m_services.AskYesNo(GetAncestor(m_hWnd, GA_ROOT), question))
        return;
    m_termine.RemoveIndices(positions);
    m_list.Refill();
    MarkModified(true);
    m_list.SetFocus();
}
