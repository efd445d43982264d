// "Termin anlegen/bearbeiten": date and time pickers, "Jedes Jahr", preposition and description.
#pragma once

#include "core/Termin.h"
#include "framework/AppDialog.h"
#include "sheet/DescriptionEdit.h"

#include <string>

class CTerminDlg : public orv::Windows::CAppDialog {
public:
    static constexpr int kDescriptionLimit = 30;

    // `services` show the help page and the error of an empty description.
    CTerminDlg(orv::Windows::CAppServices& services, HWND parent);

    // In: the appointment shown (a default one for a new appointment). Out after OK: the edit.
    CTermin m_termin;

protected:
    BOOL OnInitDialog() override;
    bool DoDataExchange(CDataExchange& exchange) override;
    void OnOK() override;

private:
    CComboBox m_prepositionList;
    // Bound for its own keys and paste; its text is exchanged like the other values.
    CDescriptionEdit m_descriptionEdit;
    SYSTEMTIME m_date{};
    SYSTEMTIME m_time{};
    int32_t m_bYearly = 1;
    int32_t m_nPreposition = 0;
    std::string m_strDescription;
};
