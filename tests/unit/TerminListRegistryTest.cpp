// The appointment list in the real registry: the section's values and what loads back.
#include "core/TerminList.h"

#include "framework/RegistryProfile.h"

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
    ASSERT_TRUE(list.Save(profile));

    std::vector<std::string> names = ValueNames("Termine");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"t000", "t001"}));
    EXPECT_FALSE(KeyExists("Termine\\Unter"));
    const auto first = ReadRaw("Termine", "t000");
    EXPECT_EQ(first.type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(reinterpret_cast<const char*>(first.bytes.data()), "24.12.2021 18:00:00;1;1;Weihnachten");

    CTerminList readBack;
    ASSERT_TRUE(readBack.Load(profile));
    ASSERT_EQ(readBack.GetSize(), 2u);
    EXPECT_EQ(readBack.GetAt(1).FormatText(), "01.01.2022;0;0;Neujahr");
}

TEST_F(TerminListRegistryTest, NonStringFirstValueLoadsNothing)
{
    const DWORD number = 1;
    WriteRaw("Termine", "t000", REG_DWORD, &number, sizeof(number));
    const char* text = "02.01.2022;0;0;B";
    WriteRaw("Termine", "t001", REG_SZ, text, 17);
    CTerminList list;
    ASSERT_TRUE(list.Load(profile));
    EXPECT_TRUE(list.IsEmpty());
}
