// The settings sheet's page "Termine": the working copy of the appointment list, to create,
// edit and delete appointments, and to export them to and import them from list files.
#pragma once

#include "core/Profile.h"
#include "core/TerminList.h"
#include "framework/AppServices.h"
#include "sheet/SettingsPage.h"
#include "sheet/TermineFiles.h"
#include "sheet/TerminListCtrl.h"

#include <string>

// The rows are the list's own; no value is exchanged with a control.
class CTerminePropPage : public CSettingsPage {
public:
    // `profile` keeps the export and import folders; `services` run the dialogs, show the
    // messages and ask before deleting.
    CTerminePropPage(orv::Windows::CAppServices& services, orv::CProfile& profile);

    // The working list: the sheet fills it before the page opens and reads it back.
    CTerminList& Termine() { return m_termine; }
    void TakeIn(const CSettingsData& settings) override;
    void GiveBack(CSettingsData& settings) const override;
    // Enables (true) or disables (false) the sheet's apply button; false also gives the list
    // the focus while the page is shown. The buttons follow the selection either way.
    void MarkChanged(bool changed) override;

    // The file work of "&Exportieren" and "&Importieren" once the path is chosen; what was
    // imported is added to the list.
    void WriteListFile(const CIndexArray& positions, const std::string& path);
    void ReadListFile(const std::string& path);

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    void UpdateButtons();

    void OnNew();
    void OnChange();
    void OnDelete();
    void OnExport();
    void OnImport();

    orv::Windows::CAppServices& m_services;
    CTermineFiles m_files;
    CTerminList m_termine;
    CTerminListCtrl m_list;
};
