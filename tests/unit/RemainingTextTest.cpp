// The timer window's text in the three display types, and the whole-day count.
#include "core/RemainingText.h"

#include "TestHost.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    CDateTimeSpan remaining;
    int days;
    const char* compact;
    const char* standard;
    const char* extended;
};

const Row kRows[] = {
    {CDateTimeSpan(23, 12, 47, 5), 23, "23T 12:47:05", "23T 12:47:05 bis zum Geburtstag",
     "Es sind noch 23 Tage, 12 Stunden, 47 Minuten und 5 Sekunden bis zum Geburtstag."},
    {CDateTimeSpan(1, 1, 1, 1), 1, "1T 01:01:01", "1T 01:01:01 bis zum Geburtstag",
     "Es ist noch 1 Tag, 1 Stunde, 1 Minute und 1 Sekunde bis zum Geburtstag."},
    {CDateTimeSpan(0, 0, 0, 59), 0, "0T 00:00:59", "0T 00:00:59 bis zum Geburtstag",
     "Es sind noch 0 Tage, 0 Stunden, 0 Minuten und 59 Sekunden bis zum Geburtstag."},
    {CDateTimeSpan(400, 0, 0, 0), 400, "400T 00:00:00", "400T 00:00:00 bis zum Geburtstag",
     "Es sind noch 400 Tage, 0 Stunden, 0 Minuten und 0 Sekunden bis zum Geburtstag."},
};

std::string Compose(const CDateTimeSpan& remaining, const CTermin& termin, int type, int32_t& days)
{
    const CTestHost host;
    days = -7;
    return ComposeRemainingText(remaining, termin, type, days, host);
}

}  // namespace

TEST(RemainingText, AllRowsInAllThreeTypes)
{
    const CTermin birthday(CDateTime(2022, 1, 1, 0, 0, 0), true, 1, "Geburtstag");
    for (const Row& row : kRows) {
        int32_t days = 0;
        EXPECT_EQ(Compose(row.remaining, birthday, kDisplayCompact, days), row.compact);
        EXPECT_EQ(days, row.days);
        EXPECT_EQ(Compose(row.remaining, birthday, kDisplayStandard, days), row.standard);
        EXPECT_EQ(days, row.days);
        EXPECT_EQ(Compose(row.remaining, birthday, kDisplayExtended, days), row.extended);
        EXPECT_EQ(days, row.days);
    }
}

TEST(RemainingText, EmptyDescriptionKeepsPrepositionBlank)
{
    const CTermin termin(CDateTime(2022, 1, 1, 0, 0, 0), true, 1, "");
    int32_t days = 0;
    EXPECT_EQ(Compose(CDateTimeSpan(0, 0, 0, 59), termin, kDisplayStandard, days),
              "0T 00:00:59 bis zum ");
    EXPECT_EQ(Compose(CDateTimeSpan(0, 0, 0, 59), termin, kDisplayExtended, days),
              "Es sind noch 0 Tage, 0 Stunden, 0 Minuten und 59 Sekunden bis zum .");
}

TEST(RemainingText, UnknownTypeIsCompactAndPastTimeIsZero)
{
    const CTermin termin(CDateTime(2022, 1, 1, 0, 0, 0), true, 0, "Neujahr");
    int32_t days = 0;
    EXPECT_EQ(Compose(CDateTimeSpan(2, 3, 4, 5), termin, 7, days), "2T 03:04:05");
    EXPECT_EQ(Compose(CDateTimeSpan(2, 3, 4, 5), termin, -1, days), "2T 03:04:05");
    EXPECT_EQ(Compose(CDateTimeSpan(-3, 0, 0, 0), termin, kDisplayStandard, days), "0T 00:00:00 bis Neujahr");
    EXPECT_EQ(days, 0);
    EXPECT_EQ(Compose(CDateTimeSpan(0.0), termin, kDisplayCompact, days), "0T 00:00:00");
}

TEST(RemainingText, PrepositionTable)
{
    CTestHost host;
    const char* expected[] = {"bis ", "bis zum ", "bis zur ", "bis zu den ", "bis zu meinem ",
                              "bis zu meiner ", "bis zu meinen "};
    for (int i = 0; i < kPrepositionCount; ++i)
        EXPECT_EQ(PrepositionText(i, host), expected[i]);
}
