// The About dialog: description, version and legal notice of the program file, and every
// appointment with the time left until it.
#pragma once

#include "core/DateTime.h"
#include "core/TerminList.h"
#include "framework/AppDialog.h"
#include "sheet/InfoListCtrl.h"

#include <string>

// The dialog's two lines of the version resource of `file`: description and version (a blank
// line without a resource), and the legal notice.
struct CVersionLines {
    std::string version;
    std::string legal;
};
CVersionLines VersionLinesOf(const std::string& file);

// The two version lines go out through data exchange; the list shows its own copy itself.
class CInfoDlg : public orv::Windows::CAppDialog {
public:
    // The time left is counted from `now`; `services` show the help page.
    CInfoDlg(orv::Windows::CAppServices& services, HWND parent, const CDateTime& now);

    // The dialog's own copy, filled by the caller before it runs.
    CTerminList& Termine() { return m_termine; }

protected:
    BOOL OnInitDialog() override;
    bool DoDataExchange(CDataExchange& exchange) override;

private:
    CDateTime m_now;
    CTerminList m_termine;
    CVersionLines m_versionLines;
    CInfoListCtrl m_list;
};
