// Appointment record and its one-line text form.
#include "core/Termin.h"

#include "core/CoreHost.h"
#include "res/resource.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

CTermin CTermin::Tomorrow(const CDateTime& now)
{
    CTermin termin;
    termin.m_dtTarget = CDateTime(std::floor(now.m_dt) + 1.0);
    return termin;
}

CTermin::CTermin(const CDateTime& target, bool yearly, int32_t preposition, std::string description)
    : m_dtTarget(target),
      m_bYearly(yearly),
      m_nPreposition(preposition),
      m_strDescription(std::move(description))
{
}

bool CTermin::ParseText(const std::string& text, const CCoreHost& host)
{
    if (text.empty())
        return false;
    // The fields up to each ";" in turn; past the last one every field is empty.
    size_t pos = 0;
    const auto nextField = [&text, &pos](size_t& start) {
        start = pos;
        const size_t end = std::min(text.find(';', pos), text.size());
        pos = end < text.size() ? end + 1 : end;
        return end - start;
    };
    size_t start = 0;
    const size_t dateLength = nextField(start);
    if (dateLength == 0 || !host.ParseDateTime(text.substr(start, dateLength), m_dtTarget))
        return false;

    if (nextField(start) == 0)
        return false;
    m_bYearly = text[start] != '0';

    if (nextField(start) == 0)
        return false;
    const int index = text[start] - '0';
    if (index < 0 || index >= kPrepositionCount)
        return false;
    m_nPreposition = index;

    const size_t descriptionLength = nextField(start);
    m_strDescription.assign(text, start, descriptionLength);
    return true;
}

std::string CTermin::FormatText(const CCoreHost& host) const
{
    std::string text;
    AppendText(text, CHostDateTimeWriter(host));
    return text;
}

void CTermin::AppendText(std::string& text, const CDateTimeWriter& dates) const
{
    dates.Append(m_dtTarget, text);
    text += ';';
    text += m_bYearly ? '1' : '0';
    text += ';';
    text += std::to_string(m_nPreposition);
    text += ';';
    // A ";" would cut the description when read back; the text form has no escape.
    const size_t description = text.size();
    text += m_strDescription;
    std::replace(text.begin() + static_cast<std::ptrdiff_t>(description), text.end(), ';', ',');
}

bool SameTermin(const CTermin& a, const CTermin& b)
{
    return a.m_dtTarget == b.m_dtTarget && a.m_dtTarget.m_status == b.m_dtTarget.m_status &&
           a.m_bYearly == b.m_bYearly && a.m_nPreposition == b.m_nPreposition &&
           a.m_strDescription == b.m_strDescription;
}

std::string PrepositionText(int32_t index, const CCoreHost& host)
{
    return host.LoadText(IDS_PREPOSITION_FIRST + index) + " ";
}
