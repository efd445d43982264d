// Reading list files: the lines that count, the ones refused, encodings, and bad input.
#include "TestHost.h"

#include "core/ListFileReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ReadResult {
    bool ok = false;
    bool invalid = false;
    std::vector<std::string> lines;  // FormatText of every appointment taken
};

ReadResult ReadFrom(CByteSource& source)
{
    const CWindows1252Converter converter;
    const CTestHost host;
    CTerminList list;
    ReadResult result;
    result.ok = ReadListFileEntries(source, converter, list, result.invalid, host);
    for (size_t i = 0; i < list.GetSize(); ++i)
        result.lines.push_back(list[i].FormatText(host));
    return result;
}

ReadResult Read(const std::string& bytes)
{
    CMemoryByteSource source(bytes);
    return ReadFrom(source);
}

std::string Utf16(const std::u16string& text, bool littleEndian)
{
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

// Serves bytes one at a time, then fails once `failAfter` bytes are out.
class CTricklingSource : public CByteSource {
public:
    CTricklingSource(std::string bytes, size_t failAfter = std::string::npos)
        : m_bytes(std::move(bytes)), m_failAfter(failAfter)
    {
    }
    bool Read(char* buffer, size_t, size_t& got) override
    {
        if (m_position >= m_failAfter)
            return false;
        got = m_position < m_bytes.size() ? 1 : 0;
        if (got)
            buffer[0] = m_bytes[m_position++];
        return true;
    }
    bool Rewind() override
    {
        m_position = 0;
        return true;
    }

private:
    std::string m_bytes;
    size_t m_position = 0;
    size_t m_failAfter;
};

using Lines = std::vector<std::string>;

}  // namespace

TEST(ListFileRead, FieldRulesOfTheTextForm)
{
    const ReadResult read = Read(
        "24.12.2021 18:00:00;1;1;Weihnachten\r\n"
        "24.12.2021;0;0;Termin\r\n"
        "24.12.2021;1;0\r\n"
        "24.12.2021;1\r\n"
        "24.12.2021;x;6;Text\r\n"
        "24.12.2021;1;7;Text\r\n"
        "24.12.2021;1;12;Text\r\n");
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.invalid);
    EXPECT_EQ(read.lines, (Lines{"24.12.2021 18:00:00;1;1;Weihnachten", "24.12.2021;0;0;Termin",
                                 "24.12.2021;1;0;", "24.12.2021;1;6;Text", "24.12.2021;1;1;Text"}));
}

TEST(ListFileRead, BlankLinesAreSkippedWithoutCountingAsInvalid)
{
    const ReadResult blank = Read("\r\n   \r\n\t\r\n\r\n");
    EXPECT_TRUE(blank.ok);
    EXPECT_FALSE(blank.invalid);
    EXPECT_TRUE(blank.lines.empty());

    const ReadResult empty = Read("");
    EXPECT_TRUE(empty.ok);
    EXPECT_FALSE(empty.invalid);
    EXPECT_TRUE(empty.lines.empty());
}

TEST(ListFileRead, OneBrokenLineLeavesTheValidOne)
{
    const ReadResult read = Read("kaputt\r\n01.05.2022;0;0;Mai\r\n");
    EXPECT_TRUE(read.invalid);
    EXPECT_EQ(read.lines, (Lines{"01.05.2022;0;0;Mai"}));
}

TEST(ListFileRead, GarbageGivesNoEntries)
{
    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.push_back(static_cast<char>((i * 7919 + 13) % 251));
    const ReadResult read = Read(garbage);
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.invalid);
    EXPECT_TRUE(read.lines.empty());
}

TEST(ListFileRead, WhiteSpaceAroundTheLineGoesButLeadingBlanksOfTheDescriptionStay)
{
    const ReadResult read = Read(" \t24.12.2021;1;0;  Weihnachten \t \r\n");
    EXPECT_FALSE(read.invalid);
    EXPECT_EQ(read.lines, (Lines{"24.12.2021;1;0;  Weihnachten"}));
}

TEST(ListFileRead, LineEndsOfEveryKind)
{
    const ReadResult read = Read("01.01.2022;0;0;A\n02.01.2022;0;0;B\r03.01.2022;0;0;C\r\n04.01.2022;0;0;D");
    EXPECT_FALSE(read.invalid);
    EXPECT_EQ(read.lines, (Lines{"01.01.2022;0;0;A", "02.01.2022;0;0;B", "03.01.2022;0;0;C",
                                 "04.01.2022;0;0;D"}));
}

TEST(ListFileRead, DescriptionsLongerThanTheDialogAllowsAreKept)
{
    const std::string longText(200, 'x');
    const ReadResult read = Read("24.12.2021;1;0;" + longText + "\r\n");
    EXPECT_EQ(read.lines, (Lines{"24.12.2021;1;0;" + longText}));
}

TEST(ListFileRead, NulBytesMakeTheirLineInvalidAndReadingGoesOn)
{
    const char bytes[] = "24.12.2021;1;0;We\0ih\r\n01.05.2022;0;0;Mai\r\n";
    const ReadResult read = Read(std::string(bytes, sizeof(bytes) - 1));
    EXPECT_TRUE(read.invalid);
    EXPECT_EQ(read.lines, (Lines{"01.05.2022;0;0;Mai"}));
}

TEST(ListFileRead, LinesBeyond64KiBAreInvalidAndReadingGoesOn)
{
    const std::string prefix = "24.12.2021;1;0;";
    const std::string fits = prefix + std::string(CListFileReader::kMaxLineBytes - prefix.size(), 'a');
    const std::string overlong = fits + "a";
    const ReadResult read = Read(overlong + "\r\n" + fits + "\r\n01.05.2022;0;0;Mai\r\n");
    EXPECT_TRUE(read.invalid);
    ASSERT_EQ(read.lines.size(), 2u);
    EXPECT_EQ(read.lines[0], fits);
    EXPECT_EQ(read.lines[1], "01.05.2022;0;0;Mai");
}

TEST(ListFileRead, BlanksAroundALineCountTowardsNoLimitAndAnAllBlankLineIsSkipped)
{
    const std::string blanks(CListFileReader::kMaxLineBytes + 10, ' ');
    const std::string tabs(CListFileReader::kMaxLineBytes * 2, '\t');
    const ReadResult read = Read(blanks + "\r\n" + tabs + "\n" + blanks + "01.05.2022;0;0;Mai" + blanks + "\r\n" +
                                 "02.05.2022;0;0;Mai" + tabs);
    EXPECT_FALSE(read.invalid);
    EXPECT_EQ(read.lines, (Lines{"01.05.2022;0;0;Mai", "02.05.2022;0;0;Mai"}));
    // The same in UTF-16.
    const std::u16string wideBlanks(CListFileReader::kMaxLineBytes, u' ');
    const ReadResult wide = Read(Utf16(wideBlanks + u"\r\n" + wideBlanks + u"01.05.2022;0;0;Mai" + wideBlanks, true));
    EXPECT_FALSE(wide.invalid);
    EXPECT_EQ(wide.lines, (Lines{"01.05.2022;0;0;Mai"}));
    // Text beyond the limit still makes its line too long, blanks or not between.
    const ReadResult spread = Read("01.05.2022;0;0;M" + blanks + "ai\r\n");
    EXPECT_TRUE(spread.invalid);
    EXPECT_TRUE(spread.lines.empty());
}

TEST(ListFileRead, ACtrlZEndsAnAnsiOrUtf8FileAsTextModeDoes)
{
    const struct {
        const char* what;
        std::string bytes;
        Lines expected;
    } cases[] = {
        {"after the last line end", "01.05.2022;0;0;Mai\r\n\x1A", {"01.05.2022;0;0;Mai"}},
        {"right after the last line", "01.05.2022;0;0;Mai\x1A", {"01.05.2022;0;0;Mai"}},
        {"with bytes after it", "01.05.2022;0;0;Mai\r\n\x1A" "kaputt\r\n02.05.2022;0;0;X\r\n", {"01.05.2022;0;0;Mai"}},
        {"at the very start", "\x1A" "01.05.2022;0;0;Mai\r\n", {}},
        {"in UTF-8 with its mark", "\xEF\xBB\xBF" "01.05.2022;0;0;B\xC3\xBCro\r\n\x1A", {"01.05.2022;0;0;B\xFCro"}},
        {"in UTF-8 without a mark", "01.05.2022;0;0;B\xC3\xBCro\r\n\x1A\xFF", {"01.05.2022;0;0;B\xFCro"}},
    };
    for (const auto& c : cases) {
        const ReadResult read = Read(c.bytes);
        EXPECT_TRUE(read.ok) << c.what;
        EXPECT_FALSE(read.invalid) << c.what;
        EXPECT_EQ(read.lines, c.expected) << c.what;
    }
}

TEST(ListFileRead, AnsiBytesStayAsTheyAre)
{
    // "Büro" in Windows-1252: not UTF-8, so the file is ANSI.
    const ReadResult read = Read("24.12.2021;1;0;B\xFCro\r\n");
    EXPECT_EQ(read.lines, (Lines{"24.12.2021;1;0;B\xFCro"}));
}

TEST(ListFileRead, Utf8WithAndWithoutMarkIsConverted)
{
    const Lines expected{"24.12.2021;1;0;B\xFCro \x80"};
    EXPECT_EQ(Read("\xEF\xBB\xBF" "24.12.2021;1;0;B\xC3\xBCro \xE2\x82\xAC\r\n").lines, expected);
    EXPECT_EQ(Read("24.12.2021;1;0;B\xC3\xBCro \xE2\x82\xAC\r\n").lines, expected);
    // With the mark, a line of plain ASCII needs nothing.
    EXPECT_EQ(Read("\xEF\xBB\xBF" "24.12.2021;1;0;Buero").lines, (Lines{"24.12.2021;1;0;Buero"}));
}

TEST(ListFileRead, ACharacterWithoutAnsiFormRefusesItsLineNeverAQuestionMark)
{
    const ReadResult utf8 = Read("24.12.2021;1;0;\xCE\xA9mega\r\n01.05.2022;0;0;Mai\r\n");
    EXPECT_TRUE(utf8.invalid);
    EXPECT_EQ(utf8.lines, (Lines{"01.05.2022;0;0;Mai"}));

    const ReadResult utf16 = Read(Utf16(u"24.12.2021;1;0;\u03A9\r\n01.05.2022;0;0;Mai\r\n", true));
    EXPECT_TRUE(utf16.invalid);
    EXPECT_EQ(utf16.lines, (Lines{"01.05.2022;0;0;Mai"}));
}

TEST(ListFileRead, BrokenUtf8AfterAMarkRefusesOnlyItsLine)
{
    const ReadResult read = Read("\xEF\xBB\xBF" "24.12.2021;1;0;B\xFCro\r\n01.05.2022;0;0;Mai\r\n");
    EXPECT_TRUE(read.invalid);
    EXPECT_EQ(read.lines, (Lines{"01.05.2022;0;0;Mai"}));
}

TEST(ListFileRead, Utf16WithItsMarkInBothByteOrders)
{
    const std::u16string text = u"24.12.2021 18:00:00;1;1;Gr\u00FC\u00DFe\r\n\r\n01.05.2022;0;0;Mai";
    const Lines expected{"24.12.2021 18:00:00;1;1;Gr\xFC\xDF" "e", "01.05.2022;0;0;Mai"};
    const ReadResult little = Read(Utf16(text, true));
    EXPECT_FALSE(little.invalid);
    EXPECT_EQ(little.lines, expected);
    EXPECT_EQ(Read(Utf16(text, false)).lines, expected);
}

TEST(ListFileRead, BrokenUtf16IsInvalid)
{
    // A lone high surrogate, and an odd byte at the end.
    const ReadResult read = Read(Utf16(u"24.12.2021;1;0;\xD800x\r\n01.05.2022;0;0;Mai\r\n", true) + "x");
    EXPECT_TRUE(read.invalid);
    EXPECT_EQ(read.lines, (Lines{"01.05.2022;0;0;Mai"}));
}

TEST(ListFileRead, BytesArrivingOneByOneReadTheSame)
{
    CTricklingSource utf8("\xEF\xBB\xBF" "24.12.2021;1;0;B\xC3\xBCro\r\n01.05.2022;0;0;Mai");
    EXPECT_EQ(ReadFrom(utf8).lines, (Lines{"24.12.2021;1;0;B\xFCro", "01.05.2022;0;0;Mai"}));
    CTricklingSource utf16(Utf16(u"01.05.2022;0;0;Mai\r\n", true));
    EXPECT_EQ(ReadFrom(utf16).lines, (Lines{"01.05.2022;0;0;Mai"}));
    // Without a mark the encoding is found one byte at a time as well: UTF-8 after ASCII, and
    // a byte that cannot be UTF-8 making the whole file ANSI.
    CTricklingSource unmarked("01.05.2022;0;0;Mai\n24.12.2021;1;0;B\xC3\xBCro");
    EXPECT_EQ(ReadFrom(unmarked).lines, (Lines{"01.05.2022;0;0;Mai", "24.12.2021;1;0;B\xFCro"}));
    CTricklingSource ansi("24.12.2021;1;0;B\xC3\xBCro\r01.05.2022;0;0;M\xE4rz");
    EXPECT_EQ(ReadFrom(ansi).lines, (Lines{"24.12.2021;1;0;B\xC3\xBCro", "01.05.2022;0;0;M\xE4rz"}));
}

TEST(ListFileRead, AReadErrorIsReportedWhereverItHappens)
{
    const std::string text = "24.12.2021;1;0;A\r\n01.05.2022;0;0;Mai\r\n";
    for (const size_t failAfter : {size_t{0}, size_t{2}, size_t{20}, text.size()}) {
        CTricklingSource source(text, failAfter);
        EXPECT_FALSE(ReadFrom(source).ok) << failAfter;
    }
}

TEST(ListFileRead, WrittenLinesReadBack)
{
    CTestHost host;
    CTerminList list;
    list.Add(CTermin(CDateTime(2021, 12, 24, 18, 0, 0), true, 1, "Weihnachten"));
    list.Add(CTermin(CDateTime(2022, 5, 1, 0, 0, 0), false, 6, " Mai"));
    std::string file;
    for (size_t i = 0; i < list.GetSize(); ++i)
        file += ListFileLine(list[i], host);
    EXPECT_EQ(file, "24.12.2021 18:00:00;1;1;Weihnachten\r\n01.05.2022;0;6; Mai\r\n");
    EXPECT_EQ(Read(file).lines, (Lines{"24.12.2021 18:00:00;1;1;Weihnachten", "01.05.2022;0;6; Mai"}));
}
