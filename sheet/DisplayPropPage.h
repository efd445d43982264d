// The page "Anzeige" of the settings sheet: text style, colours, Transparent, fading colours and
// speed with two live samples, and the named display schemes.
#pragma once

#include "core/Profile.h"
#include "framework/AppServices.h"
#include "platform/PropertySheet.h"
#include "settings/CustomColors.h"
#include "settings/DisplaySet.h"
#include "settings/SchemaMap.h"
#include "sheet/ColorButton.h"
#include "sheet/ColorSample.h"
#include "sheet/FadingSample.h"

#include <map>
#include <string>

class CDisplayPropPage : public CPropertyPage {
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

    // true: a setting was changed by hand, so the settings no longer are the named scheme.
    // false: the sheet has applied; the page is unmodified again.
    void MarkChanged(bool changed);

    const CSchemaMap& Schemes() const { return m_schemes; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

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
    CButton m_transparentCheck;
    CColorSample m_sample;
    CColorButton m_startColorButton{kNoColor};
    CFadingSample m_fadingSample;
    CColorButton m_endColorButton{kNoColor};
    CSliderCtrl m_speedSlider;
    CComboBox m_schemeList;
    CButton m_deleteButton;
};
