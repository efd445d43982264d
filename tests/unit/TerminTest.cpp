// The appointment text form: what reads, what is rejected, and what is written back.
#include "core/Termin.h"

#include "TestHost.h"

#include <gtest/gtest.h>

TEST(TerminText, ReadsAllFourFields)
{
    CTestHost host;
    CTermin termin;
    ASSERT_TRUE(termin.ParseText("24.12.2021 18:00:00;1;1;Weihnachten", host));
    EXPECT_EQ(termin.m_dtTarget.Format("%d.%m.%Y %H:%M:%S"), "24.12.2021 18:00:00");
    EXPECT_EQ(termin.m_bYearly, 1);
    EXPECT_EQ(termin.m_nPreposition, 1);
    EXPECT_EQ(termin.m_strDescription, "Weihnachten");
    EXPECT_EQ(termin.FormatText(host), "24.12.2021 18:00:00;1;1;Weihnachten");
}

TEST(TerminText, DateAloneAndEmptyDescription)
{
    CTestHost host;
    CTermin termin;
    ASSERT_TRUE(termin.ParseText("24.12.2021;1;6;", host));
    EXPECT_EQ(termin.m_dtTarget.Format("%H:%M:%S"), "00:00:00");
    EXPECT_EQ(termin.m_bYearly, 1);
    EXPECT_EQ(PrepositionText(termin.m_nPreposition, host), "bis zu meinen ");
    EXPECT_EQ(termin.m_strDescription, "");
    EXPECT_EQ(termin.FormatText(host), "24.12.2021;1;6;");

    ASSERT_TRUE(termin.ParseText("24.12.2021;0;2", host));
    EXPECT_EQ(termin.m_strDescription, "");
}

TEST(TerminText, RejectsEmptyOrBadLeadingFields)
{
    CTestHost host;
    for (const char* bad : {"", "24.12.2021;1;7;X", "24.12.2021;;1;X", ";1;1;X", "24.12.2021;1;;X",
                            "24.12.2021;1", "24.12.2021", "kein Datum;1;1;X", "24.12.2021;1;x;X",
                            "24.12.2021;1;-1;X"}) {
        CTermin termin;
        EXPECT_FALSE(termin.ParseText(bad, host)) << bad;
    }
}

TEST(TerminText, YearlyFieldLooksAtTheFirstCharacterOnly)
{
    CTestHost host;
    const struct {
        const char* field;
        int yearly;
    } cases[] = {{"2", 1}, {"ja", 1}, {"0x", 0}, {"0", 0}, {"1", 1}};
    for (const auto& c : cases) {
        CTermin termin;
        ASSERT_TRUE(termin.ParseText(std::string("01.01.2022;") + c.field + ";0;X", host)) << c.field;
        EXPECT_EQ(termin.m_bYearly, c.yearly) << c.field;
        EXPECT_EQ(termin.FormatText(host), std::string("01.01.2022;") + std::to_string(c.yearly) + ";0;X");
    }
    CTermin termin;
    ASSERT_TRUE(termin.ParseText("01.01.2022;1;3abc;X;more", host));
    EXPECT_EQ(termin.m_nPreposition, 3);
    EXPECT_EQ(termin.m_strDescription, "X");
}

TEST(TerminText, SemicolonInDescriptionIsWrittenAsComma)
{
    CTestHost host;
    CTermin termin(CDateTime(2022, 3, 4, 5, 6, 7), false, 0, "Urlaub; Spanien");
    EXPECT_EQ(termin.FormatText(host), "04.03.2022 05:06:07;0;0;Urlaub, Spanien");
    CTermin readBack;
    ASSERT_TRUE(readBack.ParseText(termin.FormatText(host), host));
    EXPECT_EQ(readBack.m_strDescription, "Urlaub, Spanien");
}

TEST(Termin, NewOneIsTomorrowMidnightYearly)
{
    CDateTime now;
    ASSERT_TRUE(ParseGermanDateTime("31.12.2021 23:59:59", now));
    const CTermin termin = CTermin::Tomorrow(now);
    EXPECT_EQ(termin.m_dtTarget.Format("%d.%m.%Y %H:%M:%S"), "01.01.2022 00:00:00");
    EXPECT_EQ(termin.m_bYearly, 1);
    EXPECT_EQ(termin.m_nPreposition, 0);
    EXPECT_EQ(termin.m_strDescription, "");
}
