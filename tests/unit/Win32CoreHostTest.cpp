// The Windows services of the core: locale date text in German and US English, the string table.
#include "app/Win32CoreHost.h"

#include "core/Termin.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr LCID kGerman = MAKELCID(0x0407, SORT_DEFAULT);
constexpr LCID kEnglishUS = MAKELCID(0x0409, SORT_DEFAULT);

std::string ToAnsi(const char* utf8)
{
    wchar_t wide[2048];
    char ansi[2048];
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 2048);
    WideCharToMultiByte(1252, 0, wide, -1, ansi, 2048, nullptr, nullptr);
    return ansi;
}

}  // namespace

TEST(LocaleDates, GermanLocaleWritesGermanFormDateAloneAtMidnight)
{
    const CWin32CoreHost host(kGerman);
    EXPECT_EQ(host.FormatDateTime(CDateTime(2021, 12, 24, 18, 0, 0)), "24.12.2021 18:00:00");
    EXPECT_EQ(host.FormatDateTime(CDateTime(2021, 12, 24, 0, 0, 0)), "24.12.2021");
    CTermin termin;
    ASSERT_TRUE(termin.ParseText("24.12.2021 18:00:00;1;1;Weihnachten", host));
    EXPECT_EQ(termin.FormatText(host), "24.12.2021 18:00:00;1;1;Weihnachten");
}

TEST(LocaleDates, GermanFormReadsTheSameInUsEnglish)
{
    const CWin32CoreHost host(kEnglishUS);
    CTermin termin;
    // Read as German although 1.5. would be January 5th in US order.
    ASSERT_TRUE(termin.ParseText("1.5.2019 07:05:00;1;0;Mai", host));
    EXPECT_EQ(termin.m_dtTarget.Format("%d.%m.%Y %H:%M:%S"), "01.05.2019 07:05:00");
    ASSERT_TRUE(termin.ParseText("24.12.2021;0;1;X", host));
    EXPECT_EQ(termin.m_dtTarget.Format("%d.%m.%Y %H:%M:%S"), "24.12.2021 00:00:00");
}

TEST(LocaleDates, UsEnglishReadsBackWhatItWrites)
{
    const CWin32CoreHost host(kEnglishUS);
    const CTermin written(CDateTime(2021, 12, 24, 18, 30, 15), true, 2, "Feier");
    const std::string text = written.FormatText(host);
    EXPECT_EQ(text.find("24.12.2021"), std::string::npos) << text;  // not the German form
    CTermin readBack;
    ASSERT_TRUE(readBack.ParseText(text, host)) << text;
    EXPECT_DOUBLE_EQ(readBack.m_dtTarget.m_dt, written.m_dtTarget.m_dt);

    const CTermin midnight(CDateTime(2021, 3, 4, 0, 0, 0), false, 0, "");
    ASSERT_TRUE(readBack.ParseText(midnight.FormatText(host), host));
    EXPECT_EQ(readBack.m_dtTarget.Format("%d.%m.%Y %H:%M:%S"), "04.03.2021 00:00:00");
    EXPECT_EQ(midnight.FormatText(host).find(':'), std::string::npos) << midnight.FormatText(host);
}

TEST(LocaleDates, RejectsTextNoLocaleReads)
{
    for (const LCID locale : {kGerman, kEnglishUS}) {
        const CWin32CoreHost host(locale);
        CTermin termin;
        EXPECT_FALSE(termin.ParseText("kein Datum;1;0;X", host));
        EXPECT_FALSE(termin.ParseText("31.02.2021;1;0;X", host));
    }
}

TEST(StringTable, ResourceTextsMatchTheBuiltInTable)
{
    for (const int id : {IDS_APP_NAME, IDS_PREPOSITION_FIRST, IDS_DAYS_SHORT, IDS_DUE_DATE_FORMAT,
                         IDS_NO_APPOINTMENT, IDS_LIST_FILE_FILTER, 2003, 2005, 2500, 2501}) {
        ASSERT_STRNE(BuiltInText(id), "") << id;
        EXPECT_EQ(LoadResourceText(id), ToAnsi(BuiltInText(id))) << id;
    }
    EXPECT_EQ(LoadResourceText(2005), "FEHLER 105: Datei\n\"%s\"\nkann nicht zum Schreiben ge\xF6" "ffnet werden.");
    EXPECT_EQ(LoadResourceText(4711), "");
}

TEST(Win32Host, ClockIsLocalTimeInWholeSeconds)
{
    CWin32CoreHost host;
    SYSTEMTIME before{};
    GetLocalTime(&before);
    CDateTime::Parts parts;
    ASSERT_TRUE(host.Now().GetParts(parts));
    EXPECT_EQ(parts.year, before.wYear);
    EXPECT_EQ(parts.month, before.wMonth);
    const double seconds = host.Now().m_dt * 86400.0;
    EXPECT_NEAR(seconds, static_cast<double>(static_cast<long long>(seconds + 0.5)), 1e-3);
}

TEST(LocaleDates, FourDigitYearIsTakenAsWrittenAndBelow100IsInvalid)
{
    for (const LCID locale : {kGerman, kEnglishUS}) {
        const CWin32CoreHost host(locale);
        CTermin termin;
        // German form and the locale parser's US form: neither may turn 0001 into 2001.
        for (const char* bad : {"01.01.0001;0;0;X", "1/1/0001;0;0;X", "12/24/0099 6:00:00 PM;0;0;X",
                                "0001-01-01;0;0;X"})
            EXPECT_FALSE(termin.ParseText(bad, host)) << bad << " in locale " << locale;
    }
    const CWin32CoreHost host(kEnglishUS);
    CTermin termin;
    ASSERT_TRUE(termin.ParseText("12/24/2021 6:30:15 PM;1;2;Feier", host));
    EXPECT_EQ(termin.m_dtTarget.Format("%d.%m.%Y %H:%M:%S"), "24.12.2021 18:30:15");
    ASSERT_TRUE(termin.ParseText("1/2/0100;0;0;X", host));
    EXPECT_EQ(termin.m_dtTarget.Format("%d.%m.%Y"), "02.01.0100");
}

namespace {

// Every date the fast writer must agree on with VarBstrFromDate: the edges of the range and of
// day zero, years before 1000, 1601 and 9999, midnight, single seconds, values between seconds,
// and a sweep over the whole range at changing times of day.
std::vector<CDateTime> TellingDates()
{
    std::vector<CDateTime> dates;
    for (const int year : {100, 999, 1000, 1600, 1601, 1752, 1899, 1900, 2000, 2021, 9999})
        for (const int month : {1, 2, 12})
            for (const int day : {1, 9, 28})
                for (const int seconds : {0, 1, 59, 3600, 43199, 43200, 46800, 86399})
                    dates.emplace_back(year, month, day, seconds / 3600, seconds / 60 % 60, seconds % 60);
    for (const double day : {-1.0, 0.0, 1.0})
        for (const int seconds : {0, 1, 21600, 43200, 86399})
            dates.emplace_back(day + (day < 0 ? -seconds : seconds) / 86400.0);
    for (double day = -657434.0; day < 2958466.0; day += 97.0) {
        const int seconds = static_cast<int>(static_cast<long long>(day * 7919) % 86400 + 86400) % 86400;
        CDateTime::Parts parts;
        if (!CDateTime(day).GetParts(parts)) {
            ADD_FAILURE() << day;
            continue;
        }
        dates.emplace_back(parts.year, parts.month, parts.day, seconds / 3600, seconds / 60 % 60, seconds % 60);
    }
    for (const double fraction : {0.4, 0.5, 0.6, 0.999})
        dates.emplace_back(CDateTime(2021, 12, 24, 18, 30, 15).m_dt + fraction / 86400.0);
    return dates;
}

}  // namespace

TEST(LocaleDates, FastWriterWritesWhatOleWritesInEveryLocale)
{
    const std::vector<CDateTime> dates = TellingDates();
    for (const LCID locale : {kGerman, kEnglishUS, MAKELCID(0x0411, SORT_DEFAULT), MAKELCID(0x0412, SORT_DEFAULT)}) {
        const CWin32CoreHost host(locale);
        // German and US English must take the fast way, or this test would prove nothing.
        if (locale == kGerman || locale == kEnglishUS) {
            EXPECT_TRUE(host.LocalePattern().IsUsable()) << locale;
        }
        const std::unique_ptr<CDateTimeWriter> writer = host.CreateDateTimeWriter();
        size_t differences = 0;
        for (const CDateTime& value : dates) {
            std::string fast;
            writer->Append(value, fast);
            const std::string ole = host.FormatDateTime(value);
            if (fast != ole && ++differences <= 5)
                ADD_FAILURE() << "locale " << locale << ", date " << value.m_dt << ": " << fast << " vs " << ole;
        }
        EXPECT_EQ(differences, 0u) << "of " << dates.size() << " dates in locale " << locale;
    }
}
