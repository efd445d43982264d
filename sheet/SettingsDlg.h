// The settings sheet "Einstellungen": its pages over a copy of the live values, handed back on
// OK and Apply, with help per page.
#pragma once

#include "framework/AppServices.h"
#include "platform/Accelerators.h"
#include "platform/PropertySheet.h"
#include "sheet/SettingsPages.h"
#include "sheet/SettingsTarget.h"

#include <functional>
#include <vector>

class CSettingsDlg : public CPropertySheet {
public:
    // The caption from the string table; the sheet opens on `firstPage`, a row of `pages`.
    // `services` run its dialogs, show its messages and help, and outlive the sheet.
    CSettingsDlg(orv::Windows::CAppServices& services, UINT captionId, HWND parent, int firstPage = 0,
                 std::vector<CSettingsPageRow> pages = SettingsPages());

    // Makes the pages, copies the live values in, runs the sheet modally (through `runModal`,
    // or the services' RunModal) and hands the edits back on OK. Returns the result.
    INT_PTR Run(CSettingsTarget& target, const std::function<INT_PTR(CModalWnd&)>& runModal = {});

    // The page of row `index`, once the sheet runs.
    CSettingsPage* GetSettingsPage(size_t index) const;

    bool PreTranslateMessage(MSG* msg) override;

protected:
    void OnInitSheet() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    // Only the rows make pages, so every page is a settings page.
    using CPropertySheet::AddPage;

    void CopyIn();
    void CopyOut();
    // Takes every existing page's controls, hands everything back and marks the pages clean;
    // nothing is handed back when a page refuses its values.
    void Apply();
    void ShowHelp() const;

    orv::Windows::CAppServices& m_services;
    CAccelerators m_accelerators;
    std::vector<CSettingsPageRow> m_rows;
    CSettingsTarget* m_pTarget = nullptr;
};
