// Scheme collection against an in-memory store: names differing in case, loading, saving.
#include "settings/SchemaMap.h"

#include "MemoryProfile.h"

#include <gtest/gtest.h>

namespace {

// A store whose text writes start failing after a number of successes.
class CFailingProfile : public CMemoryProfile {
public:
    bool WriteString(const std::string& name, const std::string& text) override
    {
        if (writesLeft == 0)
            return false;
        --writesLeft;
        return CMemoryProfile::WriteString(name, text);
    }
    int writesLeft = -1;
};

CDisplaySet WithStep(int32_t step)
{
    CDisplaySet set;
    set.m_nFadingStep = step;
    return set;
}

void PutValue(CMemoryProfile& profile, const std::string& name, const std::string& text)
{
    profile.OpenSection(CSchemaMap::kSection);
    profile.WriteString(name, text);
    profile.CloseSection();
}

}  // namespace

TEST(SchemeNames, CompareLikeRegistryValueNames)
{
    EXPECT_TRUE(SameSchemeName("Abendrot", "ABENDROT"));
    EXPECT_TRUE(SameSchemeName("gr\xFCn", "GR\xDCN"));    // grün / GRÜN in code page 1252
    EXPECT_TRUE(SameSchemeName("\xFF\x9A", "\x9F\x8A"));  // ÿš / ŸŠ
    EXPECT_FALSE(SameSchemeName("Stra\xDF" "e", "STRASSE"));
    EXPECT_FALSE(SameSchemeName("\xF7", "\xD7"));  // ÷ and × are not a case pair
    EXPECT_FALSE(SameSchemeName("Wald", "Walde"));
    EXPECT_FALSE(SameSchemeName("Wald 1", "Wald 2"));
}

TEST(SchemaMapStore, NameDifferingInCaseReplacesAndTakesTheNewSpelling)
{
    CMemoryProfile profile;
    CSchemaMap map(profile);
    EXPECT_FALSE(map.IsModified());
    map.Store("Wald", WithStep(2));
    map.Store("Ozean", WithStep(3));
    EXPECT_TRUE(map.IsModified());

    map.Store("WALD", WithStep(9));
    ASSERT_EQ(map.Schemes().size(), 2u);
    EXPECT_EQ(map.Find("Wald"), nullptr);
    ASSERT_NE(map.Find("WALD"), nullptr);
    EXPECT_EQ(map.Find("WALD")->m_nFadingStep, 9);

    map.Store("Ozean", WithStep(5));
    EXPECT_EQ(map.Find("Ozean")->m_nFadingStep, 5);
    EXPECT_EQ(map.Schemes().size(), 2u);

    EXPECT_FALSE(map.Remove("ozean"));  // removal is exact
    EXPECT_TRUE(map.Remove("Ozean"));
    EXPECT_EQ(map.Schemes().size(), 1u);
}

TEST(SchemaMapLoad, SkipsBrokenValuesAndKeepsTheFirstOfCaseTwins)
{
    CMemoryProfile profile;
    PutValue(profile, "Glut", "0;0x1;0x2;0;0x3;0x4;8");
    PutValue(profile, "glut", "2;0x9;0x9;1;0x9;0x9;9");
    PutValue(profile, "Null", "1;0x1;0x2;1;0x3;0x4;0");
    PutValue(profile, "Zu schnell", "1;0x1;0x2;1;0x3;0x4;151");
    PutValue(profile, "Ohne Typ", ";0x1;0x2;1;0x3;0x4;5");

    CSchemaMap map(profile);
    map.Store("Alt", CDisplaySet());
    ASSERT_TRUE(map.LoadNamed({"Glut", "glut", "Ohne Typ", "Null", "Zu schnell", "Fehlt"}));
    EXPECT_FALSE(map.IsModified());
    ASSERT_EQ(map.Schemes().size(), 2u);
    ASSERT_NE(map.Find("Glut"), nullptr);
    EXPECT_EQ(map.Find("Glut")->m_nFadingStep, 8);
    EXPECT_EQ(map.Find("glut"), nullptr);
    // One record serves every value: the empty type field keeps the type read last ("glut").
    ASSERT_NE(map.Find("Ohne Typ"), nullptr);
    EXPECT_EQ(map.Find("Ohne Typ")->m_nDisplayType, 2);
    EXPECT_FALSE(profile.IsOpen());
}

TEST(SchemaMapLoad, ColourAboveFFFFFFKeepsTheDefaultNotTheSchemeReadBefore)
{
    CMemoryProfile profile;
    PutValue(profile, "Bunt", "0;0x00123456;0x00654321;0;0x00111111;0x00222222;8");
    PutValue(profile, "Kaputt", "0;0x01000000;-1;0;4294967295;0xFFFFFFFF;9");

    CSchemaMap map(profile);
    ASSERT_TRUE(map.LoadNamed({"Bunt", "Kaputt"}));
    ASSERT_NE(map.Find("Kaputt"), nullptr);
    // The default colours (white, black, 0x00804000, 0x00FF0000); the other fields as stored.
    EXPECT_EQ(map.Find("Kaputt")->FormatText(), "0;0x00FFFFFF;0x00000000;0;0x00804000;0x00FF0000;9");
    EXPECT_EQ(map.Find("Bunt")->FormatText(), "0;0x00123456;0x00654321;0;0x00111111;0x00222222;8");

    // A save writes the default colours for that scheme alone.
    map.SetModified();
    ASSERT_TRUE(map.SaveSchemes());
    CSchemaMap readBack(profile);
    ASSERT_TRUE(readBack.LoadNamed({"Kaputt", "Bunt"}));
    EXPECT_EQ(readBack.Schemes(), map.Schemes());
}

TEST(SchemaMapLoad, NoNamesClearsWithoutOpeningAndUnopenableSectionFails)
{
    CMemoryProfile profile;
    CSchemaMap map(profile);
    map.Store("Alt", CDisplaySet());
    profile.failOpen = true;
    EXPECT_TRUE(map.LoadNamed({}));
    EXPECT_TRUE(map.Schemes().empty());
    EXPECT_FALSE(map.IsModified());

    map.Store("Alt", CDisplaySet());
    EXPECT_FALSE(map.LoadNamed({"Alt"}));
    EXPECT_TRUE(map.Schemes().empty());
}

TEST(SchemaMapSave, RewritesTheSectionOnlyWhenNeeded)
{
    CMemoryProfile profile;
    PutValue(profile, "Veraltet", "1;0x1;0x2;1;0x3;0x4;5");
    CSchemaMap map(profile);
    const int writes = profile.writes;
    EXPECT_TRUE(map.SaveSchemes());
    EXPECT_EQ(profile.writes, writes);

    map.Store("Wald", WithStep(2));
    map.Store("Papier", WithStep(1));
    ASSERT_TRUE(map.SaveSchemes());
    EXPECT_FALSE(map.IsModified());
    const auto& section = profile.sections["Schemata"];
    ASSERT_EQ(section.size(), 2u);
    EXPECT_EQ(section.count("Veraltet"), 0u);
    CSchemaMap readBack(profile);
    ASSERT_TRUE(readBack.LoadNamed({"Wald", "Papier"}));
    EXPECT_EQ(readBack.Schemes(), map.Schemes());

    // Forced: written again although nothing changed.
    profile.sections.erase("Schemata");
    ASSERT_TRUE(map.SaveSchemes(true));
    EXPECT_EQ(profile.sections["Schemata"].size(), 2u);
}

TEST(SchemaMapSave, FailureStopsAndKeepsTheMapModified)
{
    CFailingProfile profile;
    CSchemaMap map(profile);
    map.Store("A", WithStep(1));
    map.Store("B", WithStep(2));
    map.Store("C", WithStep(3));
    PutValue(profile, "Alt", "1;0x1;0x2;1;0x3;0x4;5");
    profile.writesLeft = 1;
    EXPECT_FALSE(map.SaveSchemes());
    EXPECT_TRUE(map.IsModified());
    // The failure came while the new schemes went to the journal: the old ones are untouched.
    ASSERT_EQ(profile.sections["Schemata"].size(), 1u);
    EXPECT_EQ(profile.sections["Schemata"].count("Alt"), 1u);
    EXPECT_FALSE(profile.IsOpen());

    profile.writesLeft = -1;
    EXPECT_TRUE(map.SaveSchemes());
    EXPECT_EQ(profile.sections["Schemata"].size(), 3u);

    map.SetModified();
    profile.failOpen = true;
    EXPECT_FALSE(map.SaveSchemes());
    EXPECT_TRUE(map.IsModified());
}
