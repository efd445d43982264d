// Appointment record and its one-line text form.
#include "core/Termin.h"

#include "core/CoreHost.h"
#include "res/resource.h"
#include "core/StringUtil.h"

#include <algorithm>
#include <cmath>

using orv::SplitAt;

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

bool CTermin::ParseText(const std::string& text)
{
    if (text.empty())
        return false;
    std::string rest = text;

    const std::string date = SplitAt(rest, ';');
    if (date.empty() || !CoreHost().ParseDateTime(date, m_dtTarget))
        return false;

    const std::string yearly = SplitAt(rest, ';');
    if (yearly.empty())
        return false;
    m_bYearly = yearly[0] != '0';

    const std::string preposition = SplitAt(rest, ';');
    if (preposition.empty())
        return false;
    const int index = preposition[0] - '0';
    if (index < 0 || index >= kPrepositionCount)
        return false;
    m_nPreposition = index;

    m_strDescription = SplitAt(rest, ';');
    return true;
}

std::string CTermin::FormatText() const
{
    // A ";" would cut the description when read back; the text form has no escape.
    std::string description = m_strDescription;
    std::replace(description.begin(), description.end(), ';', ',');
    return CoreHost().FormatDateTime(m_dtTarget) + ";" + std::to_string(m_bYearly ? 1 : 0) + ";" +
           std::to_string(m_nPreposition) + ";" + description;
}

bool SameTermin(const CTermin& a, const CTermin& b)
{
    return a.m_dtTarget == b.m_dtTarget && a.m_dtTarget.m_status == b.m_dtTarget.m_status &&
           a.m_bYearly == b.m_bYearly && a.m_nPreposition == b.m_nPreposition &&
           a.m_strDescription == b.m_strDescription;
}

std::string PrepositionText(int32_t index)
{
    return CoreHost().LoadText(IDS_PREPOSITION_FIRST + index) + " ";
}
