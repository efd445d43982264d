// About list: compact remaining-time texts, ordered by remaining time, ties by text.
#include "sheet/InfoListCtrl.h"

#include "core/RemainingText.h"

#include <mbstring.h>

CInfoListCtrl::CInfoListCtrl()
{
    m_bReleaseItemData = false;  // the item data are row indices
}

void CInfoListCtrl::InitList(CTerminList* termine, const CCoreHost& host)
{
    m_pTermine = termine;
    m_pHost = &host;
    // The first column of a list view is always left-aligned; one made second and moved to the
    // front by deleting a placeholder keeps its right alignment.
    InsertColumn(0, "", LVCFMT_LEFT, 0, 0);
    InsertColumn(1, "", LVCFMT_RIGHT, ScaledWidth(90), 1);
    InsertColumn(2, "", LVCFMT_LEFT, ScaledWidth(198), 2);
    SendMessage(LVM_DELETECOLUMN, 0);
    SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    SetSortColumn(0, false);
}

bool CInfoListCtrl::Refill(const CDateTime& now)
{
    m_rows.clear();  // they point into the buffer about to be replaced
    // InitList sets the list and the host together: rows have a host for their texts.
    const size_t count = m_pTermine ? m_pTermine->GetSize() : 0;
    // Each preposition from the string table once, not once per row.
    std::vector<std::string> prepositions;
    for (int32_t index = 0; count > 0 && index < kPrepositionCount; ++index)
        prepositions.push_back(PrepositionText(index, *m_pHost));
    const auto prepositionOf = [this, &prepositions](const CTermin& termin) {
        const bool known = termin.m_nPreposition >= 0 && termin.m_nPreposition < kPrepositionCount;
        return known ? prepositions[static_cast<size_t>(termin.m_nPreposition)]
                     : PrepositionText(termin.m_nPreposition, *m_pHost);
    };
    // Every row's text in one buffer, each followed by a NUL for the comparison: thousands of
    // rows cost one allocation, not one each.
    std::vector<std::pair<size_t, size_t>> spans(count);
    std::string texts;
    for (size_t i = 0; i < count; ++i) {
        const CTermin& termin = (*m_pTermine)[i];
        const size_t begin = texts.size();
        texts += prepositionOf(termin);
        texts += termin.m_strDescription;
        spans[i] = {begin, texts.size() - begin};
        texts += '\0';
    }
    m_texts = std::move(texts);
    m_rows.reserve(count);
    std::vector<LPARAM> indices(count);
    for (size_t i = 0; i < count; ++i) {
        m_rows.push_back(CInfoRow{(*m_pTermine)[i].m_dtTarget - now,
                                  std::string_view(m_texts).substr(spans[i].first, spans[i].second)});
        indices[i] = static_cast<LPARAM>(i);
    }
    FillSorted(std::move(indices));
    return true;
}

int CInfoListCtrl::CompareColumn(LPARAM a, LPARAM b, int column)
{
    const CInfoRow& first = m_rows.at(static_cast<size_t>(a));
    const CInfoRow& second = m_rows.at(static_cast<size_t>(b));
    if (column == 0) {
        const double x = first.remaining.GetTotalDays();
        const double y = second.remaining.GetTotalDays();
        return x > y ? 1 : x < y ? -1 : 0;
    }
    if (column == 1) {
        // Each text is followed by a NUL in the buffer.
        const int text = _mbsicmp(reinterpret_cast<const unsigned char*>(first.text.data()),
                                  reinterpret_cast<const unsigned char*>(second.text.data()));
        return text < 0 ? -1 : text > 0 ? 1 : 0;
    }
    return 0;
}

bool CInfoListCtrl::GetColumnKey(LPARAM data, int column, double& key)
{
    if (column != 0 || data < 0 || static_cast<size_t>(data) >= m_rows.size())
        return false;
    key = m_rows[static_cast<size_t>(data)].remaining.GetTotalDays();
    return true;
}

std::string CInfoListCtrl::GetCellText(LPARAM data, int column)
{
    if (data < 0 || static_cast<size_t>(data) >= m_rows.size())
        return {};
    const CInfoRow& row = m_rows[static_cast<size_t>(data)];
    if (column == 0) {
        // Compact style; a time at or below zero shows as 0T 00:00:00, as in the timer window.
        int32_t days = 0;
        const CTermin unused(CDateTime(), false, 0, std::string());
        return ComposeRemainingText(row.remaining, unused, kDisplayCompact, days, *m_pHost);
    }
    return column == 1 ? std::string(row.text) : std::string();
}
