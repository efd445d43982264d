// The appointment dialog: the appointment into the controls and, on OK, back.
#include "sheet/TerminDlg.h"

#include "res/resource.h"

#include <algorithm>

namespace {

SYSTEMTIME ToSystemTime(const CDateTime& value)
{
    CDateTime::Parts parts;
    SYSTEMTIME time{};
    if (!value.GetParts(parts))
        GetLocalTime(&time);  // never shown for a stored appointment; a picker needs a valid date
    else
        time = SYSTEMTIME{static_cast<WORD>(parts.year), static_cast<WORD>(parts.month), 0,
                          static_cast<WORD>(parts.day), static_cast<WORD>(parts.hour),
                          static_cast<WORD>(parts.minute), static_cast<WORD>(parts.second), 0};
    return time;
}

}  // namespace

CTerminDlg::CTerminDlg(orv::Windows::CAppServices& services, HWND parent)
    : CAppDialog(services, IDD_TERMIN, "ref_dlg_termin.html", parent)
{
}

BOOL CTerminDlg::OnInitDialog()
{
    CAppDialog::OnInitDialog();
    CenterWindow();
    m_prepositionList.AttachDlgItem(IDC_PREPOSITION, m_hWnd);
    m_descriptionEdit.AttachDlgItem(IDC_DESCRIPTION, m_hWnd);
    // The choices first: a selection needs its entries.
    for (int index = 0; index < kPrepositionCount; ++index) {
        std::string text = PrepositionText(index, Services().Host());
        text.pop_back();  // the blank that follows it in a sentence
        m_prepositionList.AddString(text);
    }
    m_descriptionEdit.LimitText(kDescriptionLimit);

    m_date = m_time = ToSystemTime(m_termin.m_dtTarget);
    m_bYearly = m_termin.m_bYearly ? 1 : 0;
    m_nPreposition = m_termin.m_nPreposition;
    m_strDescription = m_termin.m_strDescription;
    if (!UpdateData(false)) {
        // The pickers start centuries after the first year an appointment may have, and no
        // range message reaches further back. Shown as today, OK would overwrite the date.
        Services().ShowError(IDS_TERMIN_DATE_NOT_SHOWN, FormatGermanDateTime(m_termin.m_dtTarget).c_str());
        EndDialog(IDCANCEL);
        return FALSE;
    }

    ::SetFocus(GetDlgItem(IDC_DATE));
    return FALSE;
}

bool CTerminDlg::DoDataExchange(CDataExchange& exchange)
{
    return exchange.Text(IDC_DESCRIPTION, m_strDescription) && exchange.DateTime(IDC_DATE, m_date) &&
           exchange.DateTime(IDC_TIME, m_time) && exchange.Check(IDC_YEARLY, m_bYearly) &&
           exchange.ComboIndex(IDC_PREPOSITION, m_nPreposition);
}

void CTerminDlg::OnOK()
{
    const bool taken = UpdateData(true);
    // An empty description is named before any other fault.
    if (m_strDescription.empty()) {
        Services().ShowError(IDS_ERR_NO_DESCRIPTION);
        m_descriptionEdit.SetFocus();
        return;
    }
    if (!taken)
        return;
    CDateTime target;
    target.SetDateTime(m_date.wYear, m_date.wMonth, m_date.wDay, m_time.wHour, m_time.wMinute, m_time.wSecond);
    m_termin.m_dtTarget = target;
    m_termin.m_bYearly = m_bYearly;
    m_termin.m_nPreposition = std::max(0, m_nPreposition);
    m_termin.m_strDescription = m_strDescription;
    CAppDialog::OnOK();
}
