// The automation-date value: calendar conversions, differences, year roll-over, German text.
#include "core/DateTime.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

CDateTime::Parts PartsOf(const CDateTime& value)
{
    CDateTime::Parts parts;
    EXPECT_TRUE(value.GetParts(parts));
    return parts;
}

}  // namespace

TEST(DateTime, MatchesAutomationDayNumbers)
{
    EXPECT_DOUBLE_EQ(CDateTime(1899, 12, 30, 0, 0, 0).m_dt, 0.0);
    EXPECT_DOUBLE_EQ(CDateTime(1900, 1, 1, 0, 0, 0).m_dt, 2.0);
    EXPECT_DOUBLE_EQ(CDateTime(2021, 12, 24, 18, 0, 0).m_dt, 44554.75);
    // Before the epoch the time of day counts away from zero.
    EXPECT_DOUBLE_EQ(CDateTime(1899, 12, 29, 6, 0, 0).m_dt, -1.25);
    const auto parts = PartsOf(CDateTime(-1.25));
    EXPECT_EQ(parts.day, 29);
    EXPECT_EQ(parts.hour, 6);
}

TEST(DateTime, PartsRoundTripToTheSecond)
{
    for (int year : {100, 1600, 1899, 1900, 2000, 2024, 9999}) {
        const CDateTime value(year, 2, 28, 23, 59, 59);
        const auto parts = PartsOf(value);
        EXPECT_EQ(parts.year, year);
        EXPECT_EQ(parts.month, 2);
        EXPECT_EQ(parts.day, 28);
        EXPECT_EQ(parts.hour, 23);
        EXPECT_EQ(parts.minute, 59);
        EXPECT_EQ(parts.second, 59);
    }
}

TEST(DateTime, ImpossibleMomentsAreInvalid)
{
    EXPECT_FALSE(CDateTime(2021, 2, 29, 0, 0, 0).IsValid());
    EXPECT_FALSE(CDateTime(2021, 4, 31, 0, 0, 0).IsValid());
    EXPECT_FALSE(CDateTime(2021, 1, 1, 24, 0, 0).IsValid());
    EXPECT_FALSE(CDateTime(10000, 1, 1, 0, 0, 0).IsValid());
    EXPECT_TRUE(CDateTime(2024, 2, 29, 0, 0, 0).IsValid());
    // Every fourth year is a leap year, but not a full century unless it divides by 400.
    const struct {
        int year;
        bool leap;
    } centuries[] = {{1600, true}, {1900, false}, {2000, true}, {2100, false}, {2400, true}};
    for (const auto& c : centuries)
        EXPECT_EQ(CDateTime(c.year, 2, 29, 0, 0, 0).IsValid(), c.leap) << c.year;
    CDateTime::Parts parts;
    EXPECT_FALSE(CDateTime(2021, 13, 1, 0, 0, 0).GetParts(parts));
}

TEST(DateTime, DifferencesAreSpansInDays)
{
    const CDateTime from(2021, 12, 1, 12, 0, 0);
    const CDateTime to(2021, 12, 24, 18, 0, 0);
    EXPECT_EQ((to - from).GetTotalSeconds(), (23LL * 24 + 6) * 3600);
    EXPECT_EQ((from - to).GetTotalSeconds(), -(23LL * 24 + 6) * 3600);
    // Across the epoch the straight time line counts, not the raw numbers.
    EXPECT_EQ((CDateTime(1899, 12, 30, 6, 0, 0) - CDateTime(1899, 12, 29, 18, 0, 0)).GetTotalSeconds(),
              12 * 3600);
    EXPECT_EQ((from + CDateTimeSpan(1, 1, 1, 1)).Format("%d.%m.%Y %H:%M:%S"), "02.12.2021 13:01:01");
}

TEST(DateTime, TheEarlierMomentIsAlwaysTheSmaller)
{
    // Pairs in time order; below zero a later time of one day has the more negative number.
    const std::vector<std::pair<CDateTime, CDateTime>> pairs = {
        {CDateTime(1899, 12, 29, 6, 0, 0), CDateTime(1899, 12, 29, 18, 0, 0)},
        {CDateTime(1800, 6, 1, 0, 0, 0), CDateTime(1800, 6, 1, 0, 0, 1)},
        {CDateTime(100, 1, 1, 0, 0, 0), CDateTime(100, 1, 1, 23, 59, 59)},
        {CDateTime(1899, 12, 28, 23, 59, 59), CDateTime(1899, 12, 29, 0, 0, 0)},
        {CDateTime(1899, 12, 29, 23, 0, 0), CDateTime(1899, 12, 30, 1, 0, 0)},
        {CDateTime(2021, 12, 24, 18, 0, 0), CDateTime(2021, 12, 24, 18, 0, 1)},
    };
    for (const auto& [earlier, later] : pairs) {
        SCOPED_TRACE(FormatGermanDateTime(earlier) + " / " + FormatGermanDateTime(later));
        EXPECT_LT(earlier.Compare(later), 0);
        EXPECT_GT(later.Compare(earlier), 0);
        EXPECT_EQ(earlier.Compare(earlier), 0);
        EXPECT_TRUE(earlier < later);
        EXPECT_TRUE(earlier <= later);
        EXPECT_TRUE(later > earlier);
        EXPECT_FALSE(later < earlier);
        EXPECT_FALSE(later <= earlier);
        EXPECT_FALSE(earlier > later);
        EXPECT_TRUE(earlier != later);
        EXPECT_LT(earlier.GetLinearDays(), later.GetLinearDays());
    }
    // -0.25 and 0.25 both are 30.12.1899 06:00: one moment.
    EXPECT_EQ(CDateTime(-0.25).Compare(CDateTime(0.25)), 0);
    EXPECT_EQ(CDateTime(-0.25).GetLinearDays(), CDateTime(0.25).GetLinearDays());
    EXPECT_TRUE(CDateTime(-0.25) == CDateTime(0.25));
}

TEST(DateTime, NextYearKeepsMonthDayAndTime)
{
    EXPECT_EQ(CDateTime(2019, 5, 1, 7, 8, 9).NextYear().Format("%d.%m.%Y %H:%M:%S"),
              "01.05.2020 07:08:09");
    // 29 February lands on 28 February of a year without it, and stays there.
    const CDateTime leap(2024, 2, 29, 18, 0, 0);
    EXPECT_EQ(leap.NextYear().Format("%d.%m.%Y %H:%M:%S"), "28.02.2025 18:00:00");
    EXPECT_EQ(leap.NextYear().NextYear().NextYear().NextYear().Format("%d.%m.%Y"), "28.02.2028");
    EXPECT_FALSE(CDateTime(9999, 6, 1, 0, 0, 0).NextYear().IsValid());
}

TEST(GermanDateText, WritesDateAloneAtMidnight)
{
    EXPECT_EQ(FormatGermanDateTime(CDateTime(2021, 12, 24, 0, 0, 0)), "24.12.2021");
    EXPECT_EQ(FormatGermanDateTime(CDateTime(2021, 12, 24, 18, 0, 0)), "24.12.2021 18:00:00");
    EXPECT_EQ(FormatGermanDateTime(CDateTime(2021, 1, 2, 0, 0, 1)), "02.01.2021 00:00:01");
}

TEST(GermanDateText, ReadsNumericFormsAndRejectsTheRest)
{
    CDateTime value;
    ASSERT_TRUE(ParseGermanDateTime("24.12.2021", value));
    EXPECT_EQ(value.Format("%d.%m.%Y %H:%M:%S"), "24.12.2021 00:00:00");
    ASSERT_TRUE(ParseGermanDateTime("1.5.2019 7:05", value));
    EXPECT_EQ(value.Format("%d.%m.%Y %H:%M:%S"), "01.05.2019 07:05:00");
    ASSERT_TRUE(ParseGermanDateTime("24.12.2021 18:00:09", value));
    EXPECT_EQ(value.Format("%H:%M:%S"), "18:00:09");

    for (const char* bad : {"", "24.12.21", "12/24/2021", "24.12.2021 18", "24.12.2021 18:00:00 x",
                            "29.02.2021", "24.12.2021 25:00", "31.04.2021", "x24.12.2021"}) {
        CDateTime untouched(1.5);
        EXPECT_FALSE(ParseGermanDateTime(bad, untouched)) << bad;
        EXPECT_DOUBLE_EQ(untouched.m_dt, 1.5) << bad;
    }
}

TEST(GermanDateText, YearIsTakenAsWrittenAndBelow100IsInvalid)
{
    CDateTime value;
    for (const char* bad : {"01.01.0001", "24.12.0099", "01.01.0000", "1.1.1"})
        EXPECT_FALSE(ParseGermanDateTime(bad, value)) << bad;
    ASSERT_TRUE(ParseGermanDateTime("01.01.0100", value));
    EXPECT_EQ(value.Format("%d.%m.%Y"), "01.01.0100");
    ASSERT_TRUE(ParseGermanDateTime("31.12.9999 23:59:59", value));
    EXPECT_EQ(value.Format("%Y"), "9999");
}
