// Field cutting and formatting.
#include "core/StringUtil.h"

#include <gtest/gtest.h>

using orv::Format;
using orv::SplitAt;

TEST(SplitAt, CutsFieldsFromTheLeftUntilNothingIsLeft)
{
    std::string text = "1;2;3";
    EXPECT_EQ(SplitAt(text, ';'), "1");
    EXPECT_EQ(text, "2;3");
    EXPECT_EQ(SplitAt(text, ';'), "2");
    EXPECT_EQ(text, "3");
    EXPECT_EQ(SplitAt(text, ';'), "3");
    EXPECT_EQ(text, "");
    EXPECT_EQ(SplitAt(text, ';'), "");
    EXPECT_EQ(text, "");
}

TEST(SplitAt, LeadingSeparatorGivesEmptyField)
{
    std::string text = ";x";
    EXPECT_EQ(SplitAt(text, ';'), "");
    EXPECT_EQ(text, "x");
}

TEST(Format, FormatsLongTextsWhole)
{
    const std::string longText(5000, 'a');
    EXPECT_EQ(Format("%s|%03d", longText.c_str(), 7), longText + "|007");
    EXPECT_EQ(Format("t%03u", 1000u), "t1000");
}
