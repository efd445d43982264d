// "Schema speichern": asks for the name under which the display settings are kept as a scheme.
#pragma once

#include "framework/AppDialog.h"
#include "platform/Controls.h"

#include <string>

class CSchemaSaveDlg : public orv::Windows::CAppDialog {
public:
    static constexpr int kMaxNameLength = 300;
    static constexpr const char* kHelpTopic = "ref_dlg_schema.html";

    // `services` show the help page and the error of an empty name.
    CSchemaSaveDlg(orv::Windows::CAppServices& services, HWND parent);

    // Offered when the dialog opens, and what was typed after IDOK: taken as typed, not trimmed.
    std::string m_strName;

protected:
    BOOL OnInitDialog() override;
    bool DoDataExchange(CDataExchange& exchange) override;
    void OnOK() override;

private:
    CEdit m_nameEdit;
};
