// "Termine importieren": the valid appointments of a list file; the selected ones are taken over.
#pragma once

#include "core/TerminList.h"
#include "framework/AppServices.h"
#include "platform/SizingDialog.h"
#include "platform/Controls.h"
#include "platform/Resizer.h"
#include "sheet/TerminListCtrl.h"

class CTerminImportDlg : public orv::Windows::CAccelDialog {
public:
    // `services` show the help page.
    CTerminImportDlg(orv::Windows::CAppServices& services, HWND parent);

    // The appointments read from the file; after OK only the selected ones, in file order.
    CTerminList m_termine;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnOK() override;
    // The list grows with the dialog; the buttons keep to the lower right corner.
    void Layout(int width, int height) override;

private:
    void UpdateImportButton();

    orv::Windows::CAppServices& m_services;
    CTerminListCtrl m_list;
    CButton m_importButton;
    CResizer m_resizer;
};
