// "Schema speichern": asks for the name under which the display settings are kept as a scheme.
#pragma once

#include "platform/SizingDialog.h"
#include "platform/Controls.h"

#include <string>

class CSchemaSaveDlg : public orv::Windows::CAccelDialog {
public:
    static constexpr int kMaxNameLength = 300;
    static constexpr const char* kHelpTopic = "ref_dlg_schema.html";

    explicit CSchemaSaveDlg(HWND parent = nullptr);

    // Offered when the dialog opens, and what was typed after IDOK: taken as typed, not trimmed.
    std::string m_strName;

protected:
    BOOL OnInitDialog() override;
    bool DoDataExchange(CDataExchange& exchange) override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    void OnOK() override;

private:
    CEdit m_nameEdit;
};
