// The About dialog: description, version and legal notice of the program file, and every
// appointment with the time left until it.
#pragma once

#include "core/TerminList.h"
#include "platform/SizingDialog.h"
#include "platform/Controls.h"
#include "sheet/InfoListCtrl.h"

#include <string>

class CInfoDlg : public orv::Windows::CAccelDialog {
public:
    explicit CInfoDlg(HWND parent);

    // The dialog's own copy, filled by the caller before it runs.
    CTerminList& Termine() { return m_termine; }
    // The file whose version resource is shown; the program file unless a test says otherwise.
    void SetVersionSource(std::string path) { m_versionSource = std::move(path); }

    const CInfoListCtrl& List() const { return m_list; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    CTerminList m_termine;
    CStatic m_versionLine;
    CStatic m_legalLine;
    CInfoListCtrl m_list;
    std::string m_versionSource;
};
