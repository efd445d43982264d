// Appointment list: registry form, removal and sorting.
#include "core/TerminList.h"

#include "MemoryProfile.h"
#include "TestHost.h"

#include "TerminTestSupport.h"

#include <gtest/gtest.h>


namespace {

void Store(CMemoryProfile& profile, const std::map<std::string, std::string>& values)
{
    profile.OpenSection("Termine");
    for (const auto& [name, text] : values)
        profile.WriteString(name, text);
    profile.CloseSection();
}

Texts StoredValues(CMemoryProfile& profile)
{
    Texts texts;
    for (const auto& [name, value] : profile.sections["Termine"])
        texts.push_back(name + "=" + std::string(value.bytes.begin(), value.bytes.end()));
    return texts;
}

}  // namespace

TEST(TerminListStore, LoadReadsPastAGapAndSaveRenumbers)
{
    CTestHost host;
    CMemoryProfile profile;
    Store(profile, {{"t000", "01.01.2022;0;0;A"}, {"t001", "02.01.2022;0;0;B"},
                    {"t003", "04.01.2022;0;0;D"}});
    CTerminList list;
    ASSERT_TRUE(list.Load(profile, host));
    EXPECT_EQ(TextsOf(list), (Texts{"01.01.2022;0;0;A", "02.01.2022;0;0;B", "04.01.2022;0;0;D"}));
    EXPECT_EQ(list.m_bModified, 0);

    list.m_bModified = 1;
    ASSERT_TRUE(list.Save(profile, host));
    EXPECT_EQ(StoredValues(profile), (Texts{"t000=01.01.2022;0;0;A", "t001=02.01.2022;0;0;B",
                                            "t002=04.01.2022;0;0;D"}));
    EXPECT_EQ(list.m_bModified, 0);
}

TEST(TerminListStore, NonStringOrDamagedFirstValueHidesNothingAfterIt)
{
    CTestHost host;
    for (const bool binary : {true, false}) {
        CMemoryProfile profile;
        profile.OpenSection("Termine");
        if (binary)
            profile.WriteInt("t000", 1);
        else
            profile.WriteString("t000", "");
        profile.WriteString("t001", "02.01.2022;0;0;B");
        profile.CloseSection();

        CTerminList list = ListOf({"05.05.2025;0;0;alt"});
        ASSERT_TRUE(list.Load(profile, host));
        EXPECT_EQ(TextsOf(list), Texts{"02.01.2022;0;0;B"});
    }
}

TEST(TerminListStore, LoadFailureLeavesTheListAlone)
{
    CTestHost host;
    CMemoryProfile profile;
    profile.failOpen = true;
    CTerminList list = ListOf({"05.05.2025;0;0;alt"});
    EXPECT_FALSE(list.Load(profile, host));
    EXPECT_EQ(list.GetSize(), 1u);
    list.m_bModified = 1;
    EXPECT_FALSE(list.Save(profile, host));
    EXPECT_EQ(list.m_bModified, 1);
}

TEST(TerminListStore, UnmodifiedSaveDoesNotTouchTheStore)
{
    CTestHost host;
    CMemoryProfile profile;
    CTerminList list = ListOf({"01.01.2022;0;0;A"});
    list.m_bModified = 0;
    ASSERT_TRUE(list.Save(profile, host));
    EXPECT_EQ(profile.writes, 0);
    EXPECT_TRUE(profile.sections.empty());
    ASSERT_TRUE(list.Save(profile, host, true));
    EXPECT_EQ(StoredValues(profile), (Texts{"t000=01.01.2022;0;0;A"}));
}

TEST(TerminListStore, EmptyModifiedSaveLeavesAnEmptySection)
{
    CTestHost host;
    CMemoryProfile profile;
    Store(profile, {{"t000", "01.01.2022;0;0;A"}});
    CTerminList list;
    list.m_bModified = 1;
    ASSERT_TRUE(list.Save(profile, host));
    ASSERT_EQ(profile.sections.count("Termine"), 1u);
    EXPECT_TRUE(profile.sections["Termine"].empty());
}

TEST(TerminListStore, ManyAppointmentsUseFourDigitNamesPastT999)
{
    CTestHost host;
    CMemoryProfile profile;
    CTerminList list;
    for (int i = 0; i < 1002; ++i)
        list.Add(CTermin(CDateTime(2030, 1, 1, 0, 0, 0), false, 0, std::to_string(i)));
    list.m_bModified = 1;
    ASSERT_TRUE(list.Save(profile, host));
    EXPECT_EQ(profile.sections["Termine"].count("t999"), 1u);
    EXPECT_EQ(profile.sections["Termine"].count("t1001"), 1u);
    CTerminList readBack;
    ASSERT_TRUE(readBack.Load(profile, host));
    EXPECT_EQ(readBack.GetSize(), 1002u);
}

TEST(TerminListEdit, RemoveIndicesTakesTheNamedRecords)
{
    CTerminList list = ListOf({"01.01.2022;0;0;A", "02.01.2022;0;0;B", "03.01.2022;0;0;C",
                               "04.01.2022;0;0;D", "05.01.2022;0;0;E"});
    CIndexArray indices{1, 3};
    EXPECT_EQ(list.RemoveIndices(indices), 1);
    EXPECT_EQ(TextsOf(list), (Texts{"01.01.2022;0;0;A", "03.01.2022;0;0;C", "05.01.2022;0;0;E"}));
    EXPECT_EQ(list.m_bModified, 1);
    EXPECT_EQ(indices.IsAscending(), 1);  // direction restored, order left descending
    EXPECT_EQ(indices.GetAt(0), 3);

    CIndexArray none;
    list.m_bModified = 0;
    EXPECT_EQ(list.RemoveIndices(none), 0);
    EXPECT_EQ(list.m_bModified, 0);
}

TEST(TerminListEdit, AddAllAppendsCopiesInOrder)
{
    CTerminList list = ListOf({"01.01.2022;0;0;A"});
    const CTerminList more = ListOf({"02.01.2021;1;0;B", "03.01.2021;0;0;C"});
    list.AddAll(more);
    list.AddAll(CTerminList());
    // After the last, not sorted in.
    EXPECT_EQ(TextsOf(list), (Texts{"01.01.2022;0;0;A", "02.01.2021;1;0;B", "03.01.2021;0;0;C"}));
    EXPECT_EQ(more.GetSize(), 2u);
}

TEST(TerminListEdit, SortsInEitherDirection)
{
    CTerminList list = ListOf({"03.01.2022;0;0;C", "01.01.2022;0;0;A", "02.01.2022;0;0;B"});
    EXPECT_EQ(list.GetAt(0).m_strDescription, "A");
    list.SetDescending();
    list.Sort();
    EXPECT_EQ(list.GetAt(0).m_strDescription, "C");
    EXPECT_EQ(list.GetAt(2).m_strDescription, "A");
}

TEST(TerminListEdit, TimesOfOneDayBefore1900SortInTimeOrder)
{
    CTerminList list = ListOf({"29.12.1899 18:00;0;0;Abend", "30.12.1899 01:00;0;0;Nacht",
                               "29.12.1899 06:00;0;0;Morgen", "01.06.1800 00:00:01;0;0;Sekunde",
                               "01.06.1800;0;0;Mitternacht"});
    const auto descriptions = [&] {
        Texts texts;
        for (size_t i = 0; i < list.GetSize(); ++i)
            texts.push_back(list.GetAt(i).m_strDescription);
        return texts;
    };
    EXPECT_EQ(descriptions(), (Texts{"Mitternacht", "Sekunde", "Morgen", "Abend", "Nacht"}));
    list.SetDescending();
    list.Sort();
    EXPECT_EQ(descriptions(), (Texts{"Nacht", "Abend", "Morgen", "Sekunde", "Mitternacht"}));
}

TEST(TerminListStore, DamagedValueIsSkippedAndTheOnesAfterItStay)
{
    CTestHost host;
    const Texts valid{"01.01.2030;0;0;A", "03.01.2030;0;0;C", "04.01.2030;1;2;D"};
    for (const std::string damage : {"", "x", "31.02.2026;0;0;B", "02.01.2030;0;9;B", "binary"}) {
        CMemoryProfile profile;
        profile.OpenSection("Termine");
        profile.WriteString("t000", valid[0]);
        if (damage == "binary")
            profile.WriteInt("t001", 7);
        else
            profile.WriteString("t001", damage);
        profile.WriteString("t002", valid[1]);
        profile.WriteString("t003", valid[2]);
        profile.CloseSection();

        CTerminList list;
        ASSERT_TRUE(list.Load(profile, host));
        EXPECT_EQ(TextsOf(list), valid) << damage;
        // Changed and saved: the damaged value goes, nothing valid with it.
        list.m_bModified = 1;
        ASSERT_TRUE(list.Save(profile, host));
        EXPECT_EQ(StoredValues(profile), (Texts{"t000=" + valid[0], "t001=" + valid[1],
                                                "t002=" + valid[2]}))
            << damage;
    }
}

TEST(TerminListStore, ReadsEveryTNumberInNumberOrderAndIgnoresOtherNames)
{
    CTestHost host;
    CMemoryProfile profile;
    // Load does not sort: the dates run against the numbers, so the result shows the order read.
    Store(profile, {{"t005", "03.01.2030;0;0;fuenf"},
                    {"t10", "02.01.2030;0;0;zehn"},
                    {"t0002", "04.01.2030;0;0;zwei"},
                    {"t123456789012345678901234567890", "01.01.2030;0;0;riesig"},
                    {"tx", "12.01.2030;0;0;keine Zahl"},
                    {"t", "13.01.2030;0;0;leer"},
                    {"Notiz", "14.01.2030;0;0;fremd"},
                    {"t-1", "15.01.2030;0;0;negativ"}});
    CTerminList list;
    ASSERT_TRUE(list.Load(profile, host));
    EXPECT_EQ(TextsOf(list), (Texts{"04.01.2030;0;0;zwei", "03.01.2030;0;0;fuenf",
                                    "02.01.2030;0;0;zehn", "01.01.2030;0;0;riesig"}));
}

