// Settings sheet: pages in their fixed order, copy in and out, Apply, help per page, placement.
#include "sheet/SettingsDlg.h"

#include "core/TerminList.h"
#include "framework/WinApp.h"
#include "platform/ResourceText.h"
#include "res/resource.h"
#include "sheet/DblClkPropPage.h"
#include "sheet/DisplayPropPage.h"
#include "sheet/TerminePropPage.h"

namespace {

const char* const kPageHelp[] = {"ref_dlg_termine.html", "ref_dlg_anzeige.html", "ref_dlg_dblclk.html"};

}  // namespace

CSettingsDlg::CSettingsDlg(orv::Windows::CAppServices& services, UINT captionId, HWND parent,
                           int firstPage)
    : CPropertySheet(LoadResourceText(static_cast<int>(captionId)), parent, firstPage),
      m_services(services), m_accelerators(IDR_DIALOG_ACCEL)
{
}

INT_PTR CSettingsDlg::Run(CSettingsTarget& target, const std::function<INT_PTR(CModalWnd&)>& runModal)
{
    m_pTarget = &target;
    orv::CProfile& profile = target.Profile();
    m_pTerminePage = AddPage(MakeTerminePage(profile));
    m_pDisplayPage = AddPage(MakeDisplayPage(profile));
    m_pDblClkPage = AddPage(MakeDblClkPage());
    for (size_t i = 0; i < GetPageCount(); ++i)
        GetPage(i)->AddPageFlags(PSP_HASHELP);
    CopyIn();
    const INT_PTR result = runModal ? runModal(*this) : m_services.RunModal(*this);
    if (result == IDOK)
        CopyOut();
    m_pTarget = nullptr;
    return result;
}

std::unique_ptr<CTerminePropPage> CSettingsDlg::MakeTerminePage(orv::CProfile& profile)
{
    return std::make_unique<CTerminePropPage>(m_services, profile);
}

std::unique_ptr<CDisplayPropPage> CSettingsDlg::MakeDisplayPage(orv::CProfile& profile)
{
    return std::make_unique<CDisplayPropPage>(m_services, profile);
}

std::unique_ptr<CDblClkPropPage> CSettingsDlg::MakeDblClkPage()
{
    return std::make_unique<CDblClkPropPage>();
}

void CSettingsDlg::CopyIn()
{
    CTerminList& termine = m_pTerminePage->Termine();
    termine = m_pTarget->GetTermine();
    termine.m_bModified = true;

    const CImageSettings image = m_pTarget->GetImage();
    m_pDisplayPage->DisplaySet() = image.m_displaySet;
    m_pDisplayPage->SchemaName() = image.m_schemaName;
    m_pDisplayPage->CustomColors() = image.m_customColors;

    m_pDblClkPage->SetCommand(m_pTarget->GetOptions().m_nDblClkCmd);
}

void CSettingsDlg::CopyOut()
{
    m_pTarget->SetTermine(m_pTerminePage->Termine());
    m_pTarget->SetImage({m_pDisplayPage->DisplaySet(), m_pDisplayPage->SchemaName(),
                         m_pDisplayPage->CustomColors()});
    CTimerOptions options = m_pTarget->GetOptions();
    options.m_nDblClkCmd = m_pDblClkPage->GetCommand();
    m_pTarget->SetOptions(options);
}

void CSettingsDlg::Apply()
{
    for (size_t i = 0; i < GetPageCount(); ++i) {
        CPropertyPage* page = GetPage(i);
        if (page->GetSafeHwnd() && !page->UpdateData(true))
            return;
    }
    CopyOut();
    m_pDisplayPage->MarkChanged(false);
    m_pTerminePage->MarkModified(false);
    m_pDblClkPage->SetModified(false);
}

void CSettingsDlg::ShowHelp() const
{
    const int active = GetActiveIndex();
    if (active < 0 || active >= static_cast<int>(std::size(kPageHelp)))
        return;
    m_services.ShowHelpTopic(kPageHelp[active]);
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
