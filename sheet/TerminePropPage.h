// The settings sheet's page "Termine": the working copy of the appointment list, to create,
// edit and delete appointments, and to export them to and import them from list files.
#pragma once

#include "core/Profile.h"
#include "core/TerminList.h"
#include "platform/Controls.h"
#include "platform/PropertySheet.h"
#include "sheet/TerminListCtrl.h"

#include <string>

class CTerminePropPage : public CPropertyPage {
public:
    static constexpr const char* kSection = "Settings\\Termine";

    // `profile` keeps the export and import folders.
    explicit CTerminePropPage(orv::CProfile& profile);

    // The working list: the sheet fills it before the page opens and reads it back.
    CTerminList& Termine() { return m_termine; }
    // Enables (true) or disables (false) the sheet's apply button; false also gives the list
    // the focus. The buttons follow the selection either way.
    void MarkModified(bool modified);

    const std::string& GetExportFolder() const { return m_strExportPath; }
    const std::string& GetImportFolder() const { return m_strImportPath; }

    // The file work of "&Exportieren" and "&Importieren" once the path is chosen.
    void WriteListFile(const CIndexArray& positions, const std::string& path);
    void ReadListFile(const std::string& path);

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    void LoadFolders();
    void SaveFolders();
    void UpdateButtons();

    void OnNew();
    void OnChange();
    void OnDelete();
    void OnExport();
    void OnImport();

    orv::CProfile& m_profile;
    std::string m_strExportPath;
    std::string m_strImportPath;
    CTerminList m_termine;
    CButton m_btnExport;
    CTerminListCtrl m_list;
    CButton m_btnChange;
    CButton m_btnDelete;
};
