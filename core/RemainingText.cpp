// Remaining-time text in the compact, standard and extended display types.
#include "core/RemainingText.h"

#include "core/CoreHost.h"
#include "core/StringUtil.h"
#include "res/resource.h"

using orv::Format;

std::string ComposeRemainingText(const CDateTimeSpan& remaining, const CTermin& first,
                                 int32_t displayType, int32_t& dayCount, const CCoreHost& host)
{
    long long total = remaining.GetTotalSeconds();
    if (total < 0)
        total = 0;
    const int days = static_cast<int>(total / 86400);
    const int hours = static_cast<int>(total % 86400 / 3600);
    const int minutes = static_cast<int>(total % 3600 / 60);
    const int seconds = static_cast<int>(total % 60);
    dayCount = days;

    if (displayType == kDisplayExtended) {
        const std::string format = host.LoadText(days == 1 ? IDS_DAY_ONE_LONG : IDS_DAYS_LONG) +
                                   host.LoadText(hours == 1 ? IDS_HOUR_ONE : IDS_HOURS) +
                                   host.LoadText(minutes == 1 ? IDS_MINUTE_ONE : IDS_MINUTES) +
                                   host.LoadText(seconds == 1 ? IDS_SECOND_ONE : IDS_SECONDS);
        // The pieces come from the string table, which holds exactly four %d.
        return Format(format.c_str(), days, hours, minutes, seconds) +
               PrepositionText(first.m_nPreposition, host) + first.m_strDescription + ".";
    }
    std::string text = Format(host.LoadText(IDS_DAYS_SHORT).c_str(), days) +
                       Format("%02d:%02d:%02d", hours, minutes, seconds);
    if (displayType == kDisplayStandard)
        text += " " + PrepositionText(first.m_nPreposition, host) + first.m_strDescription;
    return text;
}
