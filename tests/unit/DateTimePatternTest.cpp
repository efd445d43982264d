// The locale pattern writer: what each picture element writes, which pictures it refuses, and
// the values it leaves to the platform.
#include "core/DateTimePattern.h"
#include "core/Termin.h"

#include "TestHost.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CDateTimePattern Compiled(const char* date, const char* time, const char* am = "AM", const char* pm = "PM")
{
    CDateTimePattern pattern;
    EXPECT_TRUE(pattern.Compile(date, time, am, pm)) << date << " / " << time;
    return pattern;
}

std::string Written(const CDateTimePattern& pattern, const CDateTime& value)
{
    std::string text = "<";
    EXPECT_TRUE(pattern.Append(value, text));
    return text;
}

}  // namespace

TEST(DateTimePattern, WritesEachElementOfThePictures)
{
    struct Case {
        const char* date;
        const char* time;
        CDateTime value;
        const char* expected;
    };
    const Case cases[] = {
        {"dd.MM.yyyy", "HH:mm:ss", CDateTime(2021, 12, 24, 18, 0, 0), "<24.12.2021 18:00:00"},
        {"d.M.yyyy", "HH:mm:ss", CDateTime(2005, 1, 2, 7, 5, 9), "<2.1.2005 07:05:09"},
        {"d.M.yyyy", "H:m:s", CDateTime(2005, 1, 2, 7, 5, 9), "<2.1.2005 7:5:9"},
        {"d.M.yyyy", "HH:mm:ss", CDateTime(2005, 1, 2, 0, 0, 0), "<2.1.2005"},
        {"M/d/yyyy", "h:mm:ss tt", CDateTime(2021, 12, 24, 18, 30, 15), "<12/24/2021 6:30:15 PM"},
        {"M/d/yyyy", "h:mm:ss tt", CDateTime(2021, 12, 24, 0, 0, 1), "<12/24/2021 12:00:01 AM"},
        {"M/d/yyyy", "hh:mm:ss t", CDateTime(2021, 12, 24, 12, 0, 0), "<12/24/2021 12:00:00 P"},
        {"yy-MM-dd", "HH:mm", CDateTime(2009, 3, 4, 23, 59, 0), "<09-03-04 23:59"},
        {"d/M/y", "HH:mm", CDateTime(2009, 3, 4, 23, 59, 0), "<4/3/9 23:59"},
        {"'Tag' d 'im' M, yyyy", "HH'h'mm", CDateTime(1000, 1, 1, 1, 1, 1), "<Tag 1 im 1, 1000 01h01"},
        {"dd.MM.yyyy", "HH:mm:ss", CDateTime(9999, 12, 31, 23, 59, 59), "<31.12.9999 23:59:59"},
        {"dd.MM.yyyy", "HH:mm:ss", CDateTime(1601, 1, 1, 0, 0, 1), "<01.01.1601 00:00:01"},
        // Before day zero the automation date counts the time away from zero.
        {"dd.MM.yyyy", "HH:mm:ss", CDateTime(1899, 12, 29, 6, 0, 0), "<29.12.1899 06:00:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Written(Compiled(c.date, c.time), c.value), c.expected) << c.date << " " << c.time;
}

TEST(DateTimePattern, RefusesPicturesItCannotWriteExactly)
{
    struct Case {
        const char* date;
        const char* time;
        const char* am;
    };
    const Case cases[] = {
        {"dd. MMM yyyy", "HH:mm:ss", "AM"},   // month name
        {"dddd, d.M.yyyy", "HH:mm:ss", "AM"}, // day name
        {"gg yyyy/M/d", "H:mm:ss", "AM"},     // era
        {"d.M.yyy", "H:mm:ss", "AM"},
        {"d.M.yyyyy", "H:mm:ss", "AM"},
        {"d.M.yyyy", "HHH:mm:ss", "AM"},
        {"d.M.yyyy", "H:mm:ss x", "AM"},      // a letter the time picture does not know
        {"d.M.yyyy", "H:mm:ss", "AM"},        // fine, but the next ones are not
        {"d.M.yyyy 'open", "H:mm:ss", "AM"},
        {"d.M.yyyy", "H 'o''clock'", "AM"},
        {"d.\xC3\xA9.yyyy", "H:mm:ss", "AM"},
        {"yyyy. M. d.", "tt h:mm:ss", ""},   // a designator it would have to leave out
        {"yyyy. M. d.", "tt h:mm:ss", "\xEC\x98\xA4\xEC\xA0\x84"},
    };
    for (const Case& c : cases) {
        CDateTimePattern pattern;
        const bool compiled = pattern.Compile(c.date, c.time, c.am, "PM");
        EXPECT_EQ(compiled, std::string(c.date) == "d.M.yyyy" && std::string(c.time) == "H:mm:ss") << c.date;
        std::string text;
        EXPECT_EQ(pattern.Append(CDateTime(2021, 12, 24, 18, 0, 0), text), compiled) << c.date;
    }
    // The designators only matter where the time shows one.
    CDateTimePattern noDesignator;
    EXPECT_TRUE(noDesignator.Compile("yyyy/M/d", "H:mm:ss", "", ""));
}

TEST(DateTimePattern, LeavesToThePlatformWhatOnlyItKnows)
{
    const CDateTimePattern pattern = Compiled("dd.MM.yyyy", "HH:mm:ss");
    const CDateTime between(CDateTime(2021, 12, 24, 18, 0, 0).m_dt + 0.4 / 86400.0);
    for (const CDateTime& value : {CDateTime(999, 12, 31, 0, 0, 0), CDateTime(100, 1, 1, 12, 0, 0),
                                   CDateTime(1899, 12, 30, 0, 0, 0), CDateTime(1899, 12, 30, 18, 0, 0),
                                   CDateTime(-0.25), between, CDateTime(2021, 2, 30, 0, 0, 0),
                                   CDateTime(3000000.0)}) {
        std::string text = "kept";
        EXPECT_FALSE(pattern.Append(value, text)) << value.m_dt;
        EXPECT_EQ(text, "kept");
    }
}

TEST(DateTimePattern, WriterTakesThePatternWhereItCanAndTheHostElsewhere)
{
    CTestHost host;  // German text: the date with two-digit day and month
    CDateTimePattern pattern;
    ASSERT_TRUE(pattern.Compile("d/M/yyyy", "H:mm:ss", "AM", "PM"));
    const CPatternDateTimeWriter writer(host, pattern);
    std::string text;
    writer.Append(CDateTime(2021, 3, 4, 5, 6, 7), text);
    writer.Append(CDateTime(999, 3, 4, 0, 0, 0), text);
    EXPECT_EQ(text, "4/3/2021 5:06:0704.03.0999");

    // A record's text form, its date from the writer and ";" kept out of the description only.
    const CTermin termin(CDateTime(2022, 5, 1, 0, 0, 0), false, 6, "Mai; Juni");
    std::string line = "x";
    termin.AppendText(line, writer);
    EXPECT_EQ(line, "x1/5/2022;0;6;Mai, Juni");
    EXPECT_EQ(termin.FormatText(host), "01.05.2022;0;6;Mai, Juni");
}

TEST(DateTimePattern, ShortDatesTheGermanFormWouldMisread)
{
    const struct {
        const char* picture;
        bool misread;
    } cases[] = {
        {"dd.MM.yyyy", false},
        {"d.M.yyyy", false},
        {"MM.dd.yyyy", true},
        {"M.d.yyyy", true},
        {"MM.dd.yy", true},
        {"yyyy.MM.dd", true},
        {"M/d/yyyy", false},   // slashes: the German form reads none of it
        {"MM-dd-yyyy", false},
        {"yyyy-MM-dd", false},
        {"dd/MM/yyyy", false},
        {"ddd MM.dd.yyyy", true},   // a weekday name is no day
        {"MMM.dd.yyyy", false},     // nor a month name a month
        {"'M.'dd.MM.yyyy", false},  // quoted text is no field
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortDateMisreadAsGerman(c.picture), c.misread) << c.picture;
}
