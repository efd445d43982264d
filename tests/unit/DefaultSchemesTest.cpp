// The first-run import through the settings store: only into a store that does not exist yet,
// every accepted line written, refused writes counted.
#include "settings/DefaultSchemes.h"
#include "settings/SchemaMap.h"

#include "MemoryProfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

// Refuses the text value `refused`.
class CRefusingProfile : public CMemoryProfile {
public:
    bool WriteString(const std::string& name, const std::string& text) override
    {
        return name != refused && CMemoryProfile::WriteString(name, text);
    }
    std::string refused;
};

class DefaultSchemesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::ofstream(file, std::ios::binary) << "Wald:1;0x1;0x2;1;0x3;0x4;5\r\n"
                                                 "ohne Doppelpunkt\r\n"
                                                 "Uhr:12:30\n";
    }
    void TearDown() override { std::remove(file.c_str()); }

    std::string TextOf(const std::string& name)
    {
        profile.OpenSection(CSchemaMap::kSection);
        const std::string text = profile.GetString(name, "<fehlt>");
        profile.CloseSection();
        return text;
    }

    const std::string file = "zm_defaultschemes_test.lst";
    CRefusingProfile profile;
};

}  // namespace

TEST_F(DefaultSchemesTest, FirstRunWritesEveryLineWithAColonAsTyped)
{
    const CDefaultSchemes::Result result = CDefaultSchemes(file).ImportIfFirstRun(profile);
    EXPECT_EQ(result.outcome, CDefaultSchemes::Outcome::Imported);
    EXPECT_EQ(result.written, 2u);
    EXPECT_EQ(result.failed, 0u);
    EXPECT_EQ(result.skippedLines, (std::vector<size_t>{2}));
    EXPECT_EQ(TextOf("Wald"), "1;0x1;0x2;1;0x3;0x4;5");
    EXPECT_EQ(TextOf("Uhr"), "12:30");
    EXPECT_FALSE(profile.IsOpen());
}

TEST_F(DefaultSchemesTest, AStoreThatExistsIsLeftAloneEvenWhenEmpty)
{
    ASSERT_TRUE(profile.OpenSection("MainWnd"));
    profile.CloseSection();
    ASSERT_TRUE(profile.DeleteSection("MainWnd"));
    const int writes = profile.writes;
    EXPECT_EQ(CDefaultSchemes(file).ImportIfFirstRun(profile).outcome,
              CDefaultSchemes::Outcome::NotFirstRun);
    EXPECT_EQ(profile.writes, writes);
}

TEST_F(DefaultSchemesTest, NoFileOrNoSectionWritesNothing)
{
    EXPECT_EQ(CDefaultSchemes("gibt_es_nicht.lst").ImportIfFirstRun(profile).outcome,
              CDefaultSchemes::Outcome::NoFile);
    EXPECT_FALSE(profile.Exists());

    profile.failOpen = true;
    EXPECT_EQ(CDefaultSchemes(file).ImportIfFirstRun(profile).outcome,
              CDefaultSchemes::Outcome::KeyFailed);
    EXPECT_EQ(profile.writes, 0);
}

TEST_F(DefaultSchemesTest, ARefusedSchemeIsCountedAndTheOthersStillWritten)
{
    profile.refused = "Wald";
    const CDefaultSchemes::Result result = CDefaultSchemes(file).ImportIfFirstRun(profile);
    EXPECT_EQ(result.outcome, CDefaultSchemes::Outcome::Imported);
    EXPECT_EQ(result.written, 1u);
    EXPECT_EQ(result.failed, 1u);
    EXPECT_EQ(TextOf("Uhr"), "12:30");
    EXPECT_EQ(TextOf("Wald"), "<fehlt>");
}
