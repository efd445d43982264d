// Settings sheet: pages from their rows, copy in and out, Apply, help per page, placement.
#include "sheet/SettingsDlg.h"

#include "framework/WinApp.h"
#include "platform/ResourceText.h"
#include "res/resource.h"

CSettingsDlg::CSettingsDlg(orv::Windows::CAppServices& services, UINT captionId, HWND parent,
                           int firstPage, std::vector<CSettingsPageRow> pages)
    : CPropertySheet(LoadResourceText(static_cast<int>(captionId)), parent, firstPage),
      m_services(services), m_accelerators(IDR_DIALOG_ACCEL), m_rows(std::move(pages))
{
}

INT_PTR CSettingsDlg::Run(CSettingsTarget& target, const std::function<INT_PTR(CModalWnd&)>& runModal)
{
    m_pTarget = &target;
    if (GetPageCount() == 0) {
        for (const CSettingsPageRow& row : m_rows) {
            std::unique_ptr<CSettingsPage> page = row.make(m_services, target.Profile());
            page->AddPageFlags(PSP_HASHELP);
            AddPage(std::move(page));
        }
    }
    CopyIn();
    const INT_PTR result = runModal ? runModal(*this) : m_services.RunModal(*this);
    if (result == IDOK)
        CopyOut();
    m_pTarget = nullptr;
    return result;
}

CSettingsPage* CSettingsDlg::GetSettingsPage(size_t index) const
{
    return static_cast<CSettingsPage*>(GetPage(index));
}

void CSettingsDlg::CopyIn()
{
    const CSettingsData live = m_pTarget->GetSettings();
    for (size_t i = 0; i < GetPageCount(); ++i)
        GetSettingsPage(i)->TakeIn(live);
}

void CSettingsDlg::CopyOut()
{
    // Read afresh: what no page edits goes back as it is now.
    CSettingsData edited = m_pTarget->GetSettings();
    for (size_t i = 0; i < GetPageCount(); ++i)
        GetSettingsPage(i)->GiveBack(edited);
    m_pTarget->SetSettings(edited);
}

void CSettingsDlg::Apply()
{
    for (size_t i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = GetPage(i);
        if (page->Handle() && !page->UpdateData(true))
            return;
    }
    CopyOut();
    for (size_t i = 0; i < GetPageCount(); ++i)
        GetSettingsPage(i)->MarkChanged(false);
}

void CSettingsDlg::ShowHelp() const
{
    const int active = GetActiveIndex();
    if (active < 0 || static_cast<size_t>(active) >= m_rows.size())
        return;
    m_services.ShowHelpTopic(m_rows[static_cast<size_t>(active)].helpTopic);
}

void CSettingsDlg::OnInitSheet()
{
    orv::Windows::PlaceAtCursor(m_hWnd);
}

bool CSettingsDlg::OnCommand(WORD id, WORD code, HWND control)
{
    switch (id) {
    case ID_APPLY_NOW:
        Apply();
        return true;
    case ID_HELP:
        ShowHelp();
        return true;
    }
    return CPropertySheet::OnCommand(id, code, control);
}

bool CSettingsDlg::PreTranslateMessage(MSG* msg)
{
    if (m_accelerators.Translate(m_hWnd, msg))
        return true;
    return CPropertySheet::PreTranslateMessage(msg);
}
