// Display page: the edited copy of the display settings, the samples, and the schemes, which go
// to the registry at once.
#include "sheet/DisplayPropPage.h"

#include "platform/CommonDialogs.h"
#include "platform/ResourceText.h"
#include "res/resource.h"
#include "sheet/SchemaSaveDlg.h"

#include <vector>

namespace {

constexpr int kStyleCount = IDS_DISPLAY_TYPE_LAST - IDS_DISPLAY_TYPE_FIRST + 1;

}  // namespace

CDisplayPropPage::CDisplayPropPage(orv::Windows::CAppServices& services, orv::CProfile& profile)
    : CSettingsPage(IDD_DISPLAY_PAGE), m_services(services), m_schemes(profile)
{
}

void CDisplayPropPage::TakeIn(const CSettingsData& settings)
{
    m_displaySet = settings.m_image.m_displaySet;
    m_strSchemaName = settings.m_image.m_schemaName;
    m_customColors = settings.m_image.m_customColors;
}

void CDisplayPropPage::GiveBack(CSettingsData& settings) const
{
    settings.m_image = {m_displaySet, m_strSchemaName, m_customColors};
}

void CDisplayPropPage::AttachControls()
{
    m_displayTypeList.AttachDlgItem(IDC_DISPLAY_TYPE, m_hWnd);
    m_textColorButton.AttachDlgItem(IDC_TEXT_COLOR, m_hWnd);
    m_backColorButton.AttachDlgItem(IDC_BACK_COLOR, m_hWnd);
    m_sample.AttachDlgItem(IDC_SAMPLE, m_hWnd);
    m_startColorButton.AttachDlgItem(IDC_START_COLOR, m_hWnd);
    m_fadingSample.AttachDlgItem(IDC_FADING_SAMPLE, m_hWnd);
    m_endColorButton.AttachDlgItem(IDC_END_COLOR, m_hWnd);
    m_speedSlider.AttachDlgItem(IDC_FADING_SPEED, m_hWnd);
    m_schemeList.AttachDlgItem(IDC_SCHEMES, m_hWnd);
}

BOOL CDisplayPropPage::OnInitDialog()
{
    CSettingsPage::OnInitDialog();
    AttachControls();
    m_displayTypeList.ResetContent();
    for (int style = 0; style < kStyleCount; ++style)
        m_displayTypeList.AddString(LoadResourceText(IDS_DISPLAY_TYPE_FIRST + style));

    m_strProposedSchemaName = m_strSchemaName;
    UpdateControls();
    // Another page or program may have changed the schemes since the page was last open.
    m_schemes.LoadSchemes();
    FillSchemeList();
    m_displayTypeList.SetFocus();
    return FALSE;  // the focus is set
}

void CDisplayPropPage::UpdateSampleText()
{
    m_sample.SetText(LoadResourceText(IDS_SAMPLE_FIRST + m_displaySet.m_nDisplayType));
}

void CDisplayPropPage::UpdateControls()
{
    const CDisplaySet& ds = m_displaySet;
    m_displayTypeList.SetCurSel(ds.m_nDisplayType);
    m_textColorButton.SetColor(ds.m_crTextColor);
    m_backColorButton.SetColor(ds.m_crBackColor);
    m_sample.SetTextColor(ds.m_crTextColor);
    m_sample.SetBackColor(ds.m_crBackColor);
    UpdateSampleText();
    CheckItem(IDC_TRANSPARENT, ds.m_bTransparent != 0);
    if (ds.m_bTransparent) {
        m_backColorButton.EnableWindow(false);
        m_sample.SetBackColor(ds.m_crStartColor);
    } else {
        m_backColorButton.EnableWindow(true);
    }
    m_startColorButton.SetColor(ds.m_crStartColor);
    m_endColorButton.SetColor(ds.m_crEndColor);
    m_fadingSample.SetColors(ds.m_crStartColor, ds.m_crEndColor);
    m_speedSlider.SetRangeMin(CDisplaySet::kMinFadingStep, false);
    m_speedSlider.SetRangeMax(CDisplaySet::kMaxFadingStep, false);
    m_speedSlider.SetPos(ds.m_nFadingStep);
}

void CDisplayPropPage::FillSchemeList()
{
    m_schemeList.ResetContent();
    EnableItem(IDC_SCHEME_DELETE, false);
    for (const auto& scheme : m_schemes.Schemes())
        m_schemeList.AddString(scheme.first);
    // The list's own search: the first name that begins with the current one, case ignored.
    if (!m_strSchemaName.empty() && m_schemeList.SelectString(m_strSchemaName) != CB_ERR)
        EnableItem(IDC_SCHEME_DELETE, true);
}

void CDisplayPropPage::MarkChanged(bool changed)
{
    if (changed) {
        m_strSchemaName.clear();
        if (m_hWnd) {
            m_schemeList.SetCurSel(-1);
            EnableItem(IDC_SCHEME_DELETE, false);
        }
        SetModified(true);
        return;
    }
    // A hidden page must not take the keys of the page shown.
    if (m_hWnd && IsWindowVisible(m_hWnd))
        m_displayTypeList.SetFocus();
    SetModified(false);
}

INT_PTR CDisplayPropPage::ChooseColor(CColorButton& button)
{
    // The system's COLORREF is another integer type than ours: the dialog edits a copy, which
    // comes back whatever the answer, as the dialog keeps custom colours even when cancelled.
    COLORREF custom[CCustomColors::kCount];
    for (size_t i = 0; i < CCustomColors::kCount; ++i)
        custom[i] = m_customColors[i];
    CColorDialog dialog(button.GetColor(), CC_RGBINIT, custom, m_hWnd);
    const INT_PTR result = m_services.RunModal(dialog);
    for (size_t i = 0; i < CCustomColors::kCount; ++i)
        m_customColors[i] = static_cast<ColorRef>(custom[i]);
    if (result == IDOK) {
        button.SetColor(dialog.GetColor());
        MarkChanged(true);
    }
    return result;
}

bool CDisplayPropPage::OnCommand(WORD id, WORD code, HWND control)
{
    switch (id) {
    case IDC_DISPLAY_TYPE:
        if (code == CBN_SELCHANGE)
            OnDisplayTypeChanged();
        return true;
    case IDC_TEXT_COLOR:
    case IDC_BACK_COLOR:
    case IDC_START_COLOR:
    case IDC_END_COLOR:
        if (code == BN_CLICKED)
            OnColorClicked(id);
        return true;
    case IDC_TRANSPARENT:
        if (code == BN_CLICKED)
            OnTransparentClicked();
        return true;
    case IDC_FADING_SPEED:
        // While the thumb moves nothing changes; the speed is taken when the drag or key ends.
        if (code == CSliderCtrl::kEndTrack)
            OnSpeedChosen();
        return true;
    case IDC_SCHEMES:
        if (code == CBN_SELCHANGE)
            OnSchemeChosen();
        return true;
    case IDC_SCHEME_SAVE:
        if (code == BN_CLICKED)
            OnSaveScheme();
        return true;
    case IDC_SCHEME_DELETE:
        if (code == BN_CLICKED)
            OnDeleteScheme();
        return true;
    }
    return CSettingsPage::OnCommand(id, code, control);
}

void CDisplayPropPage::OnSpeedChosen()
{
    m_displaySet.m_nFadingStep = m_speedSlider.GetPos();
    MarkChanged(true);
}

void CDisplayPropPage::OnDisplayTypeChanged()
{
    const int selected = m_displayTypeList.GetCurSel();
    if (selected < 0 || selected >= kStyleCount)
        return;
    m_displaySet.m_nDisplayType = selected;
    UpdateSampleText();
    MarkChanged(true);
}

void CDisplayPropPage::OnTransparentClicked()
{
    m_displaySet.m_bTransparent = IsItemChecked(IDC_TRANSPARENT) ? 1 : 0;
    m_backColorButton.EnableWindow(m_displaySet.m_bTransparent == 0);
    m_sample.SetBackColor(m_displaySet.m_bTransparent ? m_displaySet.m_crStartColor
                                                      : m_displaySet.m_crBackColor);
    MarkChanged(true);
}

void CDisplayPropPage::OnColorClicked(WORD id)
{
    CDisplaySet& ds = m_displaySet;
    switch (id) {
    case IDC_TEXT_COLOR:
        if (ChooseColor(m_textColorButton) == IDOK) {
            ds.m_crTextColor = m_textColorButton.GetColor();
            m_sample.SetTextColor(ds.m_crTextColor);
        }
        break;
    case IDC_BACK_COLOR:
        if (ChooseColor(m_backColorButton) == IDOK) {
            ds.m_crBackColor = m_backColorButton.GetColor();
            m_sample.SetBackColor(ds.m_crBackColor);
        }
        break;
    case IDC_START_COLOR:
        if (ChooseColor(m_startColorButton) == IDOK) {
            ds.m_crStartColor = m_startColorButton.GetColor();
            m_fadingSample.SetStartColor(ds.m_crStartColor);
            if (ds.m_bTransparent)
                m_sample.SetBackColor(ds.m_crStartColor);
        }
        break;
    case IDC_END_COLOR:
        if (ChooseColor(m_endColorButton) == IDOK) {
            ds.m_crEndColor = m_endColorButton.GetColor();
            m_fadingSample.SetEndColor(ds.m_crEndColor);
        }
        break;
    }
}

void CDisplayPropPage::OnSchemeChosen()
{
    const int selected = m_schemeList.GetCurSel();
    if (selected < 0) {
        EnableItem(IDC_SCHEME_DELETE, false);
        return;
    }
    m_strSchemaName = m_schemeList.GetLBText(selected);
    m_strProposedSchemaName = m_strSchemaName;
    if (const CDisplaySet* scheme = m_schemes.Find(m_strSchemaName)) {
        m_displaySet = *scheme;
        UpdateControls();
        SetModified(true);
    }
    EnableItem(IDC_SCHEME_DELETE, true);
}

void CDisplayPropPage::OnSaveScheme()
{
    CSchemaSaveDlg dialog(m_services, m_hWnd);
    dialog.m_strName = m_strProposedSchemaName;
    if (m_services.RunModal(dialog) != IDOK)
        return;
    const std::string name = dialog.m_strName;
    if (name.size() > kMaxSchemeNameLength) {
        m_services.ShowError(IDS_SCHEMA_NAME_TOO_LONG, static_cast<int>(kMaxSchemeNameLength));
        return;
    }
    // An existing scheme of that name (letter case aside) is replaced without a question.
    const auto before = m_schemes.Schemes();
    m_schemes.Store(name, m_displaySet);
    if (!m_schemes.SaveSchemes()) {
        RestoreSchemes(before);
        m_services.ShowError(IDS_SCHEMA_SAVE_FAILED, name.c_str());
        return;
    }
    m_strSchemaName = name;
    m_strProposedSchemaName = name;
    FillSchemeList();
}

void CDisplayPropPage::OnDeleteScheme()
{
    const int selected = m_schemeList.GetCurSel();
    if (selected < 0)
        return;
    if (!m_services.AskYesNo(GetAncestor(m_hWnd, GA_ROOT), IDS_CONFIRM_DELETE_ONE))
        return;
    EnableItem(IDC_SCHEME_DELETE, false);
    const std::string name = m_schemeList.GetLBText(selected);
    const auto before = m_schemes.Schemes();
    m_schemes.Remove(name);
    if (!m_schemes.SaveSchemes()) {
        RestoreSchemes(before);
        EnableItem(IDC_SCHEME_DELETE, true);
        m_services.ShowError(IDS_SCHEMA_DELETE_FAILED, name.c_str());
        return;
    }
    m_strSchemaName.clear();
    FillSchemeList();
}

void CDisplayPropPage::RestoreSchemes(const std::map<std::string, CDisplaySet>& before)
{
    std::vector<std::string> added;
    for (const auto& scheme : m_schemes.Schemes())
        if (before.find(scheme.first) == before.end())
            added.push_back(scheme.first);
    for (const std::string& name : added)
        m_schemes.Remove(name);
    for (const auto& scheme : before)
        m_schemes.Store(scheme.first, scheme.second);
    // The section may have been deleted already; a failure here leaves the map modified, so
    // the next save tries again.
    m_schemes.SaveSchemes(true);
}
