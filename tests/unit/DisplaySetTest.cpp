// Display settings text form, its registry value, custom colours and the section "Image".
#include "settings/CustomColors.h"
#include "settings/DisplaySet.h"
#include "settings/ImageSettings.h"

#include "MemoryProfile.h"

#include <gtest/gtest.h>

namespace {

const char* const kDefaultText = "1;0x00FFFFFF;0x00000000;1;0x00804000;0x00FF0000;4";

CDisplaySet Sample()
{
    CDisplaySet set;
    set.m_nDisplayType = 2;
    set.m_crTextColor = 0x0000DCFF;
    set.m_crBackColor = 0x003C322D;
    set.m_bTransparent = 0;
    set.m_crStartColor = 0x008C6E5A;
    set.m_crEndColor = 0x00C8AA96;
    set.m_nFadingStep = 150;
    return set;
}

}  // namespace

TEST(DisplaySetText, DefaultsWriteTheDocumentedTextAndReadBack)
{
    CDisplaySet set;
    EXPECT_EQ(set.FormatText(), kDefaultText);
    CDisplaySet other = Sample();
    ASSERT_TRUE(other.ParseText(kDefaultText));
    EXPECT_EQ(other, CDisplaySet());

    const CDisplaySet sample = Sample();
    EXPECT_EQ(sample.FormatText(), "2;0x0000DCFF;0x003C322D;0;0x008C6E5A;0x00C8AA96;150");
    CDisplaySet readBack;
    ASSERT_TRUE(readBack.ParseText(sample.FormatText()));
    EXPECT_EQ(readBack, sample);
}

TEST(DisplaySetText, EmptyTypeFieldKeepsTheCurrentType)
{
    CDisplaySet set = Sample();
    ASSERT_TRUE(set.ParseText(std::string(kDefaultText).substr(1)));
    EXPECT_EQ(set.m_nDisplayType, 2);
    EXPECT_EQ(set.m_crTextColor, 0x00FFFFFFu);
    EXPECT_EQ(set.m_nFadingStep, 4);
}

TEST(DisplaySetText, FailuresKeepWhatWasReadBeforeTheFault)
{
    const CDisplaySet sample = Sample();
    CDisplaySet set = sample;
    EXPECT_FALSE(set.ParseText("3;0x00FFFFFF;0x00000000;1;0x00804000;0x00FF0000;4"));
    EXPECT_EQ(set, sample);
    EXPECT_FALSE(set.ParseText(""));
    EXPECT_EQ(set, sample);

    EXPECT_FALSE(set.ParseText("1;;"));
    CDisplaySet expected = sample;
    expected.m_nDisplayType = 1;
    EXPECT_EQ(set, expected);

    // Breaks at the fading step: every colour before it is taken.
    set = sample;
    EXPECT_FALSE(set.ParseText("0;0x1;0x2;1;0x3;0x4;"));
    EXPECT_EQ(set.m_nDisplayType, 0);
    EXPECT_EQ(set.m_crEndColor, 4u);
    EXPECT_EQ(set.m_bTransparent, 1);
    EXPECT_EQ(set.m_nFadingStep, 150);

    for (const char* bad : {"x;0x1;0x2;1;0x3;0x4;5", "1;0x1", "1;0x1;0x2", "1;0x1;0x2;;0x3;0x4;5",
                            "1;0x1;0x2;1;0x3", "1;0x1;0x2;1;;0x4;5", "1;0x1;0x2;1;0x3;0x4"})
        EXPECT_FALSE(CDisplaySet().ParseText(bad)) << bad;
}

TEST(DisplaySetText, FadingStepOutsideOneTo150IsInvalid)
{
    const std::string head = "1;0x00FFFFFF;0x00000000;1;0x00804000;0x00FF0000;";
    for (const char* step : {"0", "151", "-1", "0x97", "4294967297", "x"}) {
        CDisplaySet set;
        EXPECT_FALSE(set.ParseText(head + step)) << step;
        EXPECT_EQ(set.m_nFadingStep, 4) << step;
    }
    for (const auto& [step, value] : {std::pair<const char*, int>{"1", 1}, {"150", 150},
                                      {"0x96", 150}, {"010", 8}, {"7abc", 7}, {" 12", 12}}) {
        CDisplaySet set;
        EXPECT_TRUE(set.ParseText(head + step)) << step;
        EXPECT_EQ(set.m_nFadingStep, value) << step;
    }
}

TEST(DisplaySetText, ColoursReadInAnyCNotation)
{
    CDisplaySet set;
    ASSERT_TRUE(set.ParseText("2;16777215;0377;0;abc;0x;5"));
    EXPECT_EQ(set.m_nDisplayType, 2);
    EXPECT_EQ(set.m_crTextColor, 0x00FFFFFFu);
    EXPECT_EQ(set.m_crBackColor, 0xFFu);
    EXPECT_EQ(set.m_crStartColor, 0u);  // letters only
    EXPECT_EQ(set.m_crEndColor, 0u);    // "0x" without digits is the 0 before the x
    EXPECT_EQ(set.FormatText(), "2;0x00FFFFFF;0x000000FF;0;0x00000000;0x00000000;5");
}

TEST(DisplaySetText, TypeAndTransparentLookAtTheFirstCharacterOnly)
{
    CDisplaySet set;
    ASSERT_TRUE(set.ParseText("2x;0x1;0x2;0nein;0x3;0x4;5;mehr;Felder"));
    EXPECT_EQ(set.m_nDisplayType, 2);
    EXPECT_EQ(set.m_bTransparent, 0);
    ASSERT_TRUE(set.ParseText("0;0x1;0x2;ja;0x3;0x4;5"));
    EXPECT_EQ(set.m_nDisplayType, 0);
    EXPECT_EQ(set.m_bTransparent, 1);
    ASSERT_TRUE(set.ParseText("1;0x1;0x2; 0;0x3;0x4;5"));
    EXPECT_EQ(set.m_bTransparent, 1);
}

TEST(ReadUnsigned32, BehavesLikeThe32BitRuntime)
{
    EXPECT_EQ(ReadUnsigned32("0xFFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadUnsigned32("0x100000000"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadUnsigned32("99999999999999999999999"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadUnsigned32("4294967295"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadUnsigned32("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadUnsigned32("-4294967295"), 1u);
    EXPECT_EQ(ReadUnsigned32("-4294967296"), 0xFFFFFFFFu);
    EXPECT_EQ(ReadUnsigned32("+0X1aG"), 0x1Au);
    EXPECT_EQ(ReadUnsigned32("019"), 1u);
    EXPECT_EQ(ReadUnsigned32("\t 42 "), 42u);
    EXPECT_EQ(ReadUnsigned32("- 5"), 0u);
    EXPECT_EQ(ReadUnsigned32(""), 0u);
}

TEST(DisplaySetProfile, SavesAndLoadsTheTextValue)
{
    CMemoryProfile profile;
    ASSERT_TRUE(profile.OpenSection("Image"));
    ASSERT_TRUE(Sample().Save(profile, "DisplaySet"));
    EXPECT_EQ(profile.GetString("DisplaySet", ""), Sample().FormatText());
    CDisplaySet set;
    EXPECT_TRUE(set.Load(profile, "DisplaySet"));
    EXPECT_EQ(set, Sample());
    EXPECT_FALSE(set.Load(profile, "Fehlt"));
    EXPECT_EQ(set, Sample());
    profile.CloseSection();
}

TEST(CustomColors, BlockIsLittleEndianInOrderAndCopiesWhole)
{
    CCustomColors colors;
    for (size_t i = 0; i < CCustomColors::kCount; ++i)
        EXPECT_EQ(colors[i], 0x00FFFFFFu);
    colors[0] = 0x00112233;
    colors[15] = 0x00A0B0C0;
    const auto block = colors.ToBlock();
    EXPECT_EQ(block[0], 0x33);
    EXPECT_EQ(block[1], 0x22);
    EXPECT_EQ(block[2], 0x11);
    EXPECT_EQ(block[3], 0x00);
    EXPECT_EQ(block[60], 0xC0);
    EXPECT_EQ(block[62], 0xA0);

    CCustomColors copy;
    copy = colors;
    EXPECT_EQ(copy, colors);
    CCustomColors& self = copy;
    copy = self;
    EXPECT_EQ(copy[15], 0x00A0B0C0u);
    CCustomColors fromBlock;
    fromBlock.FromBlock(block);
    EXPECT_EQ(fromBlock, colors);
}

TEST(ImageSection, RoundTripsAllThreeValues)
{
    CMemoryProfile profile;
    CImageSettings written{Sample(), "Glut", {}};
    written.m_customColors[3] = 0x00010203;
    ASSERT_TRUE(written.Save(profile));
    EXPECT_EQ(profile.sections["Image"]["CustomColors"].bytes.size(), 64u);
    EXPECT_EQ(profile.sections["Image"]["CustomColors"].type, CMemoryProfile::Type::Binary);

    CImageSettings readBack;
    readBack.m_schemaName = "vorher";
    ASSERT_TRUE(readBack.Load(profile));
    EXPECT_EQ(readBack.m_displaySet, Sample());
    EXPECT_EQ(readBack.m_schemaName, "Glut");
    EXPECT_EQ(readBack.m_customColors, written.m_customColors);
    EXPECT_FALSE(profile.IsOpen());
}

TEST(ImageSection, UnreadableValuesKeepTheCurrentOnes)
{
    CMemoryProfile profile;
    ASSERT_TRUE(profile.OpenSection("Image"));
    profile.WriteString("DisplaySet", "0;0x000000FF;");  // breaks after TextColor
    profile.WriteBinary("CustomColors", 60, std::vector<unsigned char>(60, 0).data());
    profile.CloseSection();

    CImageSettings image{Sample(), "Glut", {}};
    image.m_customColors[0] = 0x00123456;
    const CCustomColors before = image.m_customColors;
    ASSERT_TRUE(image.Load(profile));
    EXPECT_EQ(image.m_displaySet.m_nDisplayType, 0);
    EXPECT_EQ(image.m_displaySet.m_crTextColor, 0x000000FFu);
    EXPECT_EQ(image.m_displaySet.m_crBackColor, Sample().m_crBackColor);
    EXPECT_EQ(image.m_schemaName, "Glut");
    EXPECT_EQ(image.m_customColors, before);

    profile.failOpen = true;
    const int writes = profile.writes;
    EXPECT_FALSE(image.Load(profile));
    EXPECT_FALSE(image.Save(profile));
    EXPECT_EQ(profile.writes, writes);
}

TEST(DisplaySetText, ColourAboveFFFFFFKeepsTheFieldAndTheRestIsRead)
{
    const CDisplaySet sample = Sample();
    CDisplaySet set = sample;
    ASSERT_TRUE(set.ParseText("0;-1;0x01000000;0;4294967295;0xFFFFFFFF;9"));
    EXPECT_EQ(set.m_crTextColor, sample.m_crTextColor);
    EXPECT_EQ(set.m_crBackColor, sample.m_crBackColor);
    EXPECT_EQ(set.m_crStartColor, sample.m_crStartColor);
    EXPECT_EQ(set.m_crEndColor, sample.m_crEndColor);
    EXPECT_EQ(set.m_nDisplayType, 0);
    EXPECT_EQ(set.m_bTransparent, 0);
    EXPECT_EQ(set.m_nFadingStep, 9);
    ASSERT_TRUE(set.ParseText("0;0x00FFFFFF;0;0;0;0;9"));
    EXPECT_EQ(set.m_crTextColor, 0x00FFFFFFu);
}

TEST(ImageSection, StoredColourMinusOneKeepsTheCurrentColour)
{
    CMemoryProfile profile;
    ASSERT_TRUE(profile.OpenSection("Image"));
    profile.WriteString("DisplaySet", "1;-1;0x00000000;1;0x00804000;0x00FF0000;4");
    profile.CloseSection();
    CImageSettings image;
    ASSERT_TRUE(image.Load(profile));
    EXPECT_EQ(image.m_displaySet.m_crTextColor, CDisplaySet().m_crTextColor);
    EXPECT_EQ(image.m_displaySet.FormatText(), "1;0x00FFFFFF;0x00000000;1;0x00804000;0x00FF0000;4");
}
