// The About dialog's list: every appointment with its remaining time, nearest first.
#pragma once

#include "core/DateTime.h"
#include "core/TerminList.h"
#include "platform/SortListCtrl.h"

#include <string>
#include <string_view>
#include <vector>

class CCoreHost;

struct CInfoRow {
    CDateTimeSpan remaining;  // target minus the moment the rows were built
    std::string_view text;    // preposition with its blank, then the description; in the list's buffer
};

class CInfoListCtrl : public orv::Windows::CSortListCtrl {
public:
    CInfoListCtrl();

    // Remembers the list and the host of its texts (neither owned), makes the two columns and
    // sorts by remaining time, ascending.
    void InitList(CTerminList* termine, const CCoreHost& host);
    // Rebuilds the rows from the list as of `now` and shows them in the current order.
    bool Refill(const CDateTime& now);

    const std::vector<CInfoRow>& Rows() const { return m_rows; }

protected:
    int CompareColumn(LPARAM a, LPARAM b, int column) override;
    bool GetColumnKey(LPARAM data, int column, double& key) override;
    std::string GetCellText(LPARAM data, int column) override;

private:
    CTerminList* m_pTermine = nullptr;
    const CCoreHost* m_pHost = nullptr;
    std::vector<CInfoRow> m_rows;
    std::string m_texts;  // the rows' texts, each followed by a NUL
};
