// Message help topics, version texts and help-page addresses.
#include "core/HelpText.h"
#include "core/MessageHelpMap.h"

#include <gtest/gtest.h>

using namespace orv;

TEST(MessageHelpMap, FirstRegistrationWins)
{
    CMessageHelpMap map;
    EXPECT_EQ(map.RegisterTopic(2000, "ref_meldungen.html#l_e100"), 0);
    EXPECT_EQ(map.RegisterTopic(2000, "anders.html"), 0);
    EXPECT_EQ(map.RegisterTopic(2501, "ref_meldungen.html#l_w501"), 0);
    EXPECT_EQ(map.GetSize(), 2u);
    EXPECT_EQ(map.TopicFor(2000), "ref_meldungen.html#l_e100");
    EXPECT_EQ(map.TopicFor(2501), "ref_meldungen.html#l_w501");
    EXPECT_EQ(map.TopicFor(2002), "");
}

TEST(VersionText, MajorMinorRevisionLetterAndBuild)
{
    EXPECT_EQ(FormatVersionText(3, 7, 0, 0), "v3.07");
    EXPECT_EQ(FormatVersionText(3, 7, 1, 0), "v3.07a");
    EXPECT_EQ(FormatVersionText(3, 7, 0, 16), "v3.07 (Build 0010)");
    EXPECT_EQ(FormatVersionText(1, 2, 3, 300), "v1.02c (Build 012C)");
    EXPECT_EQ(FormatVersionText(10, 123, 26, 0xFFFF), "v10.123z (Build FFFF)");
}

TEST(HelpPage, TopicWithAnchorAndDefaultPage)
{
    const std::string folder = "C:\\Programme\\Zielmark\\help\\";
    const HelpPage anchored = HelpPageFor(folder, "ref_meldungen.html#l_e105");
    EXPECT_EQ(anchored.file, "C:\\Programme\\Zielmark\\help\\ref_meldungen.html");
    EXPECT_EQ(anchored.address, "\"file:///C:/Programme/Zielmark/help/ref_meldungen.html#l_e105\"");

    const HelpPage start = HelpPageFor(folder, "");
    EXPECT_EQ(start.file, folder + "index.html");
    EXPECT_EQ(start.address, "\"file:///C:/Programme/Zielmark/help/index.html\"");
}

TEST(HelpPage, BlanksInTheFolderStayInsideTheQuotes)
{
    const HelpPage page = HelpPageFor("C:\\Program Files\\Mein Zielmark\\help\\", "ref_dlg_info.html");
    EXPECT_EQ(page.address, "\"file:///C:/Program Files/Mein Zielmark/help/ref_dlg_info.html\"");
    // Only the last "#" starts the anchor.
    EXPECT_EQ(HelpPageFor("C:\\a#b\\", "x.html#y").file, "C:\\a#b\\x.html");
}
