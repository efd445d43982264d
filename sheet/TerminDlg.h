// "Termin anlegen/bearbeiten": date and time pickers, "Jedes Jahr", preposition and description.
#pragma once

#include "core/Termin.h"
#include "framework/AppServices.h"
#include "platform/SizingDialog.h"
#include "platform/Controls.h"
#include "sheet/DescriptionEdit.h"

class CTerminDlg : public orv::Windows::CAccelDialog {
public:
    static constexpr int kDescriptionLimit = 30;

    // `services` show the help page and the error of an empty description.
    CTerminDlg(orv::Windows::CAppServices& services, HWND parent);

    // In: the appointment shown (a default one for a new appointment). Out after OK: the edit.
    CTermin m_termin;

protected:
    BOOL OnInitDialog() override;
    bool DoDataExchange(CDataExchange& exchange) override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    void OnOK() override;

private:
    orv::Windows::CAppServices& m_services;
    CComboBox m_cbPreposition;
    CDescriptionEdit m_edDescription;
    SYSTEMTIME m_date{};
    SYSTEMTIME m_time{};
    int32_t m_bYearly = 1;
};
