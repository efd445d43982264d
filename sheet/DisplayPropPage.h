// The page "Anzeige" of the settings sheet: text style, colours, Transparent, fading colours and
// speed with two live samples, and the named display schemes.
#pragma once

#include "core/Profile.h"
#include "framework/AppServices.h"
#include "sheet/SettingsPage.h"
#include "settings/CustomColors.h"
#include "settings/DisplaySet.h"
#include "settings/SchemaMap.h"
#include "sheet/ColorButton.h"
#include "sheet/ColorSample.h"
#include "sheet/FadingSample.h"

#include <map>
#include <string>

// Every control takes effect the moment it changes, as the samples show it at once; so the values
// move per notification, not through data exchange.
class CDisplayPropPage : public CSettingsPage {
public:
    // The registry takes value names of at most this many characters.
    static constexpr size_t kMaxSchemeNameLength = 16383;

    // `profile` holds the schemes; they are written to it as soon as one is saved or deleted.
    // `services` run the colour and scheme dialogs and show the messages.
    CDisplayPropPage(orv::Windows::CAppServices& services, orv::CProfile& profile);

    // The sheet fills these before the page window exists and reads them back when it applies.
    CDisplaySet& DisplaySet() { return m_displaySet; }
    std::string& SchemaName() { return m_strSchemaName; }
    CCustomColors& CustomColors() { return m_customColors; }
    void TakeIn(const CSettingsData& settings) override;
    void GiveBack(CSettingsData& settings) const override;

    // true: a setting was changed by hand, so the settings no longer are the named scheme.
    // false: the sheet has applied; the page is unmodified again.
    void MarkChanged(bool changed) override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    void AttachControls();
    void UpdateSampleText();
    // Sets every control from the settings; no control notifies, so the page stays unmodified.
    void UpdateControls();
    void FillSchemeList();
    // Runs the colour dialog for `button`; <windows.h> renames this to ChooseColorA, which is
    // consistent wherever this header is seen. Returns the dialog's result.
    INT_PTR ChooseColor(CColorButton& button);

    void OnDisplayTypeChanged();
    void OnTransparentClicked();
    void OnSpeedChosen();
    void OnColorClicked(WORD id);
    void OnSchemeChosen();
    void OnSaveScheme();
    void OnDeleteScheme();
    // Puts the map back as it was before a failed save and rewrites the registry from it.
    void RestoreSchemes(const std::map<std::string, CDisplaySet>& before);

    orv::Windows::CAppServices& m_services;
    CSchemaMap m_schemes;
    std::string m_strProposedSchemaName;
    CDisplaySet m_displaySet;
    std::string m_strSchemaName;
    CCustomColors m_customColors;

    CComboBox m_displayTypeList;
    CColorButton m_textColorButton{kNoColor};
    CColorButton m_backColorButton{kNoColor};
    CColorSample m_sample;
    CColorButton m_startColorButton{kNoColor};
    CFadingSample m_fadingSample;
    CColorButton m_endColorButton{kNoColor};
    CSliderCtrl m_speedSlider;
    CComboBox m_schemeList;
};
