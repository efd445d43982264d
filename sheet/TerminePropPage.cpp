// The page "Termine": the list, its buttons, the appointment dialog, deleting and list files.
#include "sheet/TerminePropPage.h"

#include "core/CoreHost.h"
#include "res/resource.h"
#include "sheet/TerminDlg.h"

CTerminePropPage::CTerminePropPage(orv::Windows::CAppServices& services, orv::CProfile& profile)
    : CSettingsPage(IDD_TERMINE_PAGE), m_services(services), m_files(services, profile)
{
}

void CTerminePropPage::TakeIn(const CSettingsData& settings)
{
    m_termine = settings.m_termine;
    m_termine.m_bModified = true;
}

void CTerminePropPage::GiveBack(CSettingsData& settings) const
{
    settings.m_termine = m_termine;
}

BOOL CTerminePropPage::OnInitDialog()
{
    CSettingsPage::OnInitDialog();
    m_files.LoadFolders();
    m_list.AttachDlgItem(IDC_LIST, m_hWnd);
    m_list.InitList(&m_termine, m_services.Host());
    m_list.Refill();
    UpdateButtons();
    return TRUE;
}

void CTerminePropPage::OnDestroy()
{
    CSettingsPage::OnDestroy();
    m_files.SaveFolders();
}

void CTerminePropPage::UpdateButtons()
{
    if (!m_hWnd)
        return;
    const int selected = m_list.GetSelectedCount();
    EnableItem(IDC_CHANGE, selected == 1);
    EnableItem(IDC_DELETE, selected >= 1);
    EnableItem(IDC_EXPORT, selected >= 1);
}

void CTerminePropPage::MarkChanged(bool changed)
{
    if (m_hWnd) {
        // A hidden page must not take the keys of the page shown.
        if (!changed && IsWindowVisible(m_hWnd))
            m_list.SetFocus();
        UpdateButtons();
    }
    SetModified(changed);
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
    return CSettingsPage::OnCommand(id, code, control);
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
    return CSettingsPage::OnNotify(header, result);
}

void CTerminePropPage::OnNew()
{
    CTerminDlg dialog(m_services, m_hWnd);
    dialog.m_termin = CTermin::Tomorrow(m_services.Host().Now());
    if (m_services.RunModal(dialog) != IDOK)
        return;
    m_termine.m_bModified = true;
    m_termine.Add(dialog.m_termin);
    m_list.Refill();
    MarkChanged(true);
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
    MarkChanged(true);
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
    MarkChanged(true);
    m_list.SetFocus();
}

void CTerminePropPage::OnExport()
{
    CIndexArray positions;
    m_list.GetSelectedPositions(positions);
    if (positions.GetSize() == 0)
        return;
    if (std::string path; m_files.ChooseExportPath(m_hWnd, path))
        WriteListFile(positions, path);
}

void CTerminePropPage::OnImport()
{
    if (std::string path; m_files.ChooseImportPath(m_hWnd, path))
        ReadListFile(path);
}

void CTerminePropPage::WriteListFile(const CIndexArray& positions, const std::string& path)
{
    m_files.Write(m_termine, positions, path);
}

void CTerminePropPage::ReadListFile(const std::string& path)
{
    if (!m_files.Read(m_hWnd, m_termine, path))
        return;
    m_list.Refill();
    MarkChanged(true);
}
