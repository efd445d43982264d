// The ANSI code page: its lead bytes and the comparison that keeps a double-byte character whole.
#include "platform/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, ComparisonFoldsOnlyAsciiLettersAndTakesADoubleByteCharacterAsOneUnit)
{
    CLeadBytes leadBytes;
    leadBytes[0x81] = true;
    struct Case {
        const char* a;
        const char* b;
        int expected;
    };
    const Case cases[] = {
        {"Mai", "mAI", 0},
        {"Abend", "abends", -1},
        {"Zoo", "apfel", 1},
        {"\xC4pfel", "\xE4pfel", -1},  // Ä and ä: by code, not folded
        {"[", "a", -1},                // '[' lies between 'Z' and 'a'
        // 0x81 0x5A is one character, larger than any single byte; its 'Z' is not folded.
        {"\x81Z", "\x81z", -1},
        {"\x81Z", "\xFF", 1},
        {"\x81", "\x81Z", -1},  // a lead byte at the end stands alone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(CompareAnsiText(c.a, c.b, leadBytes), c.expected);
        EXPECT_EQ(CompareAnsiText(c.b, c.a, leadBytes), -c.expected);
    }
    // A German Windows has a single-byte code page: no lead bytes at all.
    EXPECT_TRUE(AnsiLeadBytes().none());
}
