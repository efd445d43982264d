// The appointment list in the real registry: the section's values and what loads back.
#include "core/TerminList.h"

#include <algorithm>

#include "framework/RegistryProfile.h"

#include "LocaleTestSupport.h"
#include "RegistryTestSupport.h"
#include "TestHost.h"

namespace {

class TerminListRegistryTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        profile.SetPath(AppPath().c_str());
    }
    CTestHost host;
    orv::Windows::CRegistryProfile profile;
};

}  // namespace

TEST_F(TerminListRegistryTest, SaveRewritesTheWholeSection)
{
    const char* stale = "01.01.2020;0;0;alt";
    WriteRaw("Termine", "t005", REG_SZ, stale, 19);
    WriteRaw("Termine\\Unter", "x", REG_SZ, stale, 19);

    CTerminList list;
    list.Add(CTermin(CDateTime(2021, 12, 24, 18, 0, 0), true, 1, "Weihnachten"));
    list.Add(CTermin(CDateTime(2022, 1, 1, 0, 0, 0), false, 0, "Neujahr"));
    list.m_bModified = 1;
    ASSERT_TRUE(list.Save(profile, host));

    std::vector<std::string> names = ValueNames("Termine");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"t000", "t001"}));
    EXPECT_FALSE(KeyExists("Termine\\Unter"));
    const auto first = ReadRaw("Termine", "t000");
    EXPECT_EQ(first.type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(reinterpret_cast<const char*>(first.bytes.data()), "24.12.2021 18:00:00;1;1;Weihnachten");

    CTerminList readBack;
    ASSERT_TRUE(readBack.Load(profile, host));
    ASSERT_EQ(readBack.GetSize(), 2u);
    EXPECT_EQ(readBack.GetAt(1).FormatText(host), "01.01.2022;0;0;Neujahr");
}

TEST_F(TerminListRegistryTest, NonStringFirstValueIsSkipped)
{
    const DWORD number = 1;
    WriteRaw("Termine", "t000", REG_DWORD, &number, sizeof(number));
    const char* text = "02.01.2022;0;0;B";
    WriteRaw("Termine", "t001", REG_SZ, text, 17);
    CTerminList list;
    ASSERT_TRUE(list.Load(profile, host));
    ASSERT_EQ(list.GetSize(), 1u);
    EXPECT_EQ(list.GetAt(0).FormatText(host), text);
}

TEST_F(TerminListRegistryTest, CompleteJournalIsCopiedOverAHalfWrittenSection)
{
    // What a save killed while it rewrote the section leaves behind.
    const char* first = "01.01.2030;0;0;A";
    const char* second = "02.01.2030;0;0;B";
    WriteRaw("Termine", "t000", REG_SZ, first, 17);
    WriteRaw("Termine.Journal", "t000", REG_SZ, first, 17);
    WriteRaw("Termine.Journal", "t001", REG_SZ, second, 17);
    const int32_t count = 2;
    WriteRaw("Termine.Journal\\Complete", "Count", REG_BINARY, &count, sizeof(count));

    CTerminList list;
    ASSERT_TRUE(list.Load(profile, host));
    ASSERT_EQ(list.GetSize(), 2u);
    EXPECT_EQ(list.GetAt(1).FormatText(host), second);
    std::vector<std::string> names = ValueNames("Termine");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"t000", "t001"}));
    EXPECT_FALSE(KeyExists("Termine.Journal"));
}

TEST_F(TerminListRegistryTest, JournalWithoutItsMarkIsDroppedAndTheSectionStays)
{
    const char* kept = "01.01.2030;0;0;A";
    WriteRaw("Termine", "t000", REG_SZ, kept, 17);
    WriteRaw("Termine.Journal", "t000", REG_SZ, "05.05.2030;0;0;X", 17);
    CTerminList list;
    ASSERT_TRUE(list.Load(profile, host));
    ASSERT_EQ(list.GetSize(), 1u);
    EXPECT_EQ(list.GetAt(0).FormatText(host), kept);
    EXPECT_FALSE(KeyExists("Termine.Journal"));

    // And a save leaves nothing beside the section.
    list.m_bModified = 1;
    ASSERT_TRUE(list.Save(profile, host));
    EXPECT_FALSE(KeyExists("Termine.Journal"));
    EXPECT_EQ(ValueNames("Termine"), std::vector<std::string>{"t000"});
    EXPECT_TRUE(profile.Flush());
}

TEST_F(TerminListRegistryTest, InAMonthFirstDottedLocaleEveryDateLoadsBackAsSaved)
{
    ScopedShortDate monthFirst(L"MM.dd.yyyy");
    ASSERT_TRUE(monthFirst.IsSet());
    const CWin32CoreHost userLocale;
    // The 4th of March is written month first, so the German form would read the 3rd of April.
    ASSERT_EQ(userLocale.FormatDateTime(CDateTime(2021, 3, 4, 0, 0, 0)), "03.04.2021");
    CTerminList saved = SwappableDates();
    saved.m_bModified = 1;
    ASSERT_TRUE(saved.Save(profile, userLocale));
    CTerminList loaded;
    ASSERT_TRUE(loaded.Load(profile, userLocale));
    ASSERT_EQ(loaded.GetSize(), saved.GetSize());
    for (size_t i = 0; i < saved.GetSize(); ++i)
        EXPECT_EQ(loaded[i].m_dtTarget.Format("%d.%m.%Y %H:%M:%S"), saved[i].m_dtTarget.Format("%d.%m.%Y %H:%M:%S"))
            << saved[i].FormatText(userLocale);
}
