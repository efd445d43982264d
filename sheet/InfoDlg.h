// The About dialog: description, version and legal notice of the program file, and every
// appointment with the time left until it.
#pragma once

#include "core/DateTime.h"
#include "core/TerminList.h"
#include "framework/AppDialog.h"
#include "sheet/InfoListCtrl.h"

#include <string>

// The two version lines go out through data exchange; the list shows its own copy itself.
class CInfoDlg : public orv::Windows::CAppDialog {
public:
    // The time left is counted from `now`; `services` show the help page.
    CInfoDlg(orv::Windows::CAppServices& services, HWND parent, const CDateTime& now);

    // The dialog's own copy, filled by the caller before it runs.
    CTerminList& Termine() { return m_termine; }
    // The file whose version resource is shown; the program file unless a test says otherwise.
    void SetVersionSource(std::string path) { m_strVersionSource = std::move(path); }

    const CInfoListCtrl& List() const { return m_list; }

protected:
    BOOL OnInitDialog() override;
    bool DoDataExchange(CDataExchange& exchange) override;

private:
    CDateTime m_now;
    CTerminList m_termine;
    std::string m_strVersionLine;
    std::string m_strLegalLine;
    CInfoListCtrl m_list;
    std::string m_strVersionSource;
};
