// "Termine importieren": the valid appointments of a list file; the selected ones are taken over.
#pragma once

#include "core/TerminList.h"
#include "framework/AppDialog.h"
#include "platform/Resizer.h"
#include "sheet/TerminListCtrl.h"

// The rows are the list's own; no value is exchanged with a control.
class CTerminImportDlg : public orv::Windows::CAppDialog {
public:
    // `services` show the help page.
    CTerminImportDlg(orv::Windows::CAppServices& services, HWND parent);

    // The appointments read from the file; after OK only the selected ones, in file order.
    CTerminList m_termine;

protected:
    BOOL OnInitDialog() override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnOK() override;
    // The list grows with the dialog; the buttons keep to the lower right corner.
    void Layout(int width, int height) override;

private:
    void UpdateImportButton();

    CTerminListCtrl m_list;
    CResizer m_resizer;
};
