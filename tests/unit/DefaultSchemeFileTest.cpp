// The default scheme file: which lines become schemes, and what their names and values are.
#include "settings/DefaultSchemeFile.h"

#include <gtest/gtest.h>

using Lines = std::vector<size_t>;

TEST(DefaultSchemeFile, ColonFirstOrMissingSkipsTheLine)
{
    const CDefaultSchemeFile file = ParseDefaultSchemeFile(
        "Wald:1;0x00E6FFF0;0x00000000;1;0x00143C14;0x00286428;2\n"
        ":1;0x1;0x2;1;0x3;0x4;5\n"
        "kein Doppelpunkt\n"
        "\n"
        "Uhr:12:30\r\n"
        "Leer:\r\n"
        "Letzte:1;0x1;0x2;1;0x3;0x4;5");
    ASSERT_EQ(file.schemes.size(), 4u);
    EXPECT_EQ(file.skippedLines, (Lines{2, 3, 4}));

    EXPECT_EQ(file.schemes[0].line, 1u);
    EXPECT_EQ(file.schemes[0].name, "Wald");
    EXPECT_EQ(file.schemes[0].value, "1;0x00E6FFF0;0x00000000;1;0x00143C14;0x00286428;2");
    EXPECT_EQ(file.schemes[1].name, "Uhr");
    EXPECT_EQ(file.schemes[1].value, "12:30");  // second colon kept, CRLF removed
    EXPECT_EQ(file.schemes[2].value, "");
    EXPECT_EQ(file.schemes[3].line, 7u);
    EXPECT_EQ(file.schemes[3].name, "Letzte");
}

TEST(DefaultSchemeFile, NoTrimmingAndOnlyCrLfCountsAsLineEnd)
{
    const CDefaultSchemeFile file = ParseDefaultSchemeFile(" A : x \r\nB\r:y\rz\n\n");
    ASSERT_EQ(file.schemes.size(), 2u);
    EXPECT_EQ(file.schemes[0].name, " A ");
    EXPECT_EQ(file.schemes[0].value, " x ");
    EXPECT_EQ(file.schemes[1].name, "B\r");
    EXPECT_EQ(file.schemes[1].value, "y\rz");
    EXPECT_EQ(file.skippedLines, (Lines{3}));
    EXPECT_TRUE(ParseDefaultSchemeFile("").schemes.empty());
    EXPECT_TRUE(ParseDefaultSchemeFile("").skippedLines.empty());
}

TEST(DefaultSchemeFile, ZeroByteSkipsTheLine)
{
    const std::string content("\0Name:1;0x1;0x2;1;0x3;0x4;5\nGut:x\nWert:a\0b\n", 43);
    const CDefaultSchemeFile file = ParseDefaultSchemeFile(content);
    ASSERT_EQ(file.schemes.size(), 1u);
    EXPECT_EQ(file.schemes[0].name, "Gut");
    EXPECT_EQ(file.skippedLines, (Lines{1, 3}));
}
