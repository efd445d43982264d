// List files on disk: what cannot be opened, what fails half-way, and that a target is replaced
// only by a complete file.
#include "framework/ListFileIo.h"

#include "app/Win32CoreHost.h"

#include "LocaleTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

namespace {

class ListFileIoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char base[MAX_PATH] = "";
        GetTempPathA(sizeof(base), base);
        m_folder = std::string(base) + "zm_listfile_" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(m_folder.c_str(), nullptr);
        for (const char* text : {"24.12.2021 18:00:00;1;1;Weihnachten", "01.05.2022;0;0;Mai", "03.03.2022;1;2;Feier"}) {
            CTermin termin;
            ASSERT_TRUE(termin.ParseText(text, m_host));
            m_list.Add(termin);
        }
    }
    void TearDown() override
    {
        for (const std::string& name : Files()) {
            SetFileAttributesA((m_folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA((m_folder + name).c_str());
            RemoveDirectoryA((m_folder + name).c_str());
        }
        RemoveDirectoryA(m_folder.c_str());
    }

    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found{};
        HANDLE search = FindFirstFileA((m_folder + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..")
                names.push_back(name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }
    std::string Write(const std::string& name, const std::string& content) const
    {
        std::ofstream(m_folder + name, std::ios::binary) << content;
        return m_folder + name;
    }
    std::string Content(const std::string& path) const
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string Line(size_t i) const { return m_list[i].FormatText(m_host) + "\r\n"; }

    const CWin32CoreHost m_host;  // the user's locale
    std::string m_folder;
    CTerminList m_list;
};

// Fails the write after `goodWrites` successful ones, as a full disk would.
class CFailingFile : public CReplacingFile {
public:
    CFailingFile(std::string target, int goodWrites) : CReplacingFile(std::move(target)), m_goodWrites(goodWrites) {}

protected:
    bool WriteBytes(const char* data, DWORD size) override
    {
        if (m_goodWrites-- <= 0)
            return false;
        return CReplacingFile::WriteBytes(data, size);
    }

private:
    int m_goodWrites;
};

}  // namespace

TEST_F(ListFileIoTest, WritesTheGivenPositionsInListOrderOverAnOlderLongerFile)
{
    const std::string target = Write("termine.lst", std::string(10000, 'x'));
    EXPECT_EQ(WriteListFile(target, m_list, CIndexArray{2, 0}, m_host), ListFileStatus::Ok);
    EXPECT_EQ(Content(target), Line(0) + Line(2));
    EXPECT_EQ(Files(), (std::vector<std::string>{"termine.lst"}));  // no temporary file left
}

TEST_F(ListFileIoTest, TargetsThatCannotBeWrittenFailToOpenAndStayAsTheyWere)
{
    const std::string readOnly = Write("schreibgeschuetzt.lst", "alt");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(WriteListFile(readOnly, m_list, CIndexArray{0}, m_host), ListFileStatus::OpenFailed);
    EXPECT_EQ(Content(readOnly), "alt");

    const std::string folder = m_folder + "ordner";
    CreateDirectoryA(folder.c_str(), nullptr);
    EXPECT_EQ(WriteListFile(folder, m_list, CIndexArray{0}, m_host), ListFileStatus::OpenFailed);
    EXPECT_EQ(WriteListFile(m_folder + "fehlt\\termine.lst", m_list, CIndexArray{0}, m_host), ListFileStatus::OpenFailed);
    EXPECT_EQ(Files().size(), 2u);
}

TEST_F(ListFileIoTest, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile)
{
    const std::string target = Write("termine.lst", "alt\r\n");
    // Enough appointments for more than one write.
    CTerminList many;
    CIndexArray all;
    for (int i = 0; i < 5000; ++i) {
        many.Add(m_list[0]);
        all.Add(i);
    }
    for (const int goodWrites : {0, 1}) {
        CFailingFile file(target, goodWrites);
        EXPECT_EQ(WriteListFile(file, many, all, m_host), ListFileStatus::IoFailed) << goodWrites;
        EXPECT_EQ(Content(target), "alt\r\n");
        EXPECT_EQ(Files(), (std::vector<std::string>{"termine.lst"}));
    }
}

TEST_F(ListFileIoTest, MissingFilesAndFoldersCannotBeOpenedForReading)
{
    CTerminList read;
    bool invalid = false;
    EXPECT_EQ(ReadListFile(m_folder + "fehlt.lst", read, invalid, m_host), ListFileStatus::OpenFailed);
    CreateDirectoryA((m_folder + "ordner").c_str(), nullptr);
    EXPECT_EQ(ReadListFile(m_folder + "ordner", read, invalid, m_host), ListFileStatus::OpenFailed);
    EXPECT_TRUE(read.IsEmpty());
}

TEST_F(ListFileIoTest, ExportedFilesAndUtf8FilesReadBack)
{
    const std::string exported = m_folder + "export.lst";
    ASSERT_EQ(WriteListFile(exported, m_list, CIndexArray{0, 1, 2}, m_host), ListFileStatus::Ok);
    CTerminList read;
    bool invalid = true;
    EXPECT_EQ(ReadListFile(exported, read, invalid, m_host), ListFileStatus::Ok);
    EXPECT_FALSE(invalid);
    ASSERT_EQ(read.GetSize(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(read[i].FormatText(m_host), m_list[i].FormatText(m_host));

    // UTF-8 as an editor saves it, through the system's code page.
    const std::string utf8 = Write("utf8.txt", "01.05.2022;0;0;B\xC3\xBCro \xE2\x82\xAC\r\n");
    CTerminList fromUtf8;
    EXPECT_EQ(ReadListFile(utf8, fromUtf8, invalid, m_host), ListFileStatus::Ok);
    ASSERT_EQ(fromUtf8.GetSize(), 1u);
    EXPECT_EQ(fromUtf8[0].m_strDescription, "B\xFCro \x80");
}

TEST_F(ListFileIoTest, TheSystemCodePageRefusesWhatItLacksInsteadOfAQuestionMark)
{
    const CWin32AnsiConverter converter;
    std::string ansi;
    EXPECT_TRUE(converter.FromUtf16(u"Gr\u00FC\u00DFe \u20AC", ansi));
    EXPECT_EQ(ansi, "Gr\xFC\xDF" "e \x80");
    EXPECT_FALSE(converter.FromUtf16(u"\u03A9", ansi));
    // No best fit either: a Cyrillic A is not turned into a Latin one.
    EXPECT_FALSE(converter.FromUtf16(u"\u0410", ansi));
}

TEST_F(ListFileIoTest, AFiftyMegabyteFileIsReadLineByLine)
{
    const std::string path = m_folder + "gross.lst";
    {
        std::ofstream out(path, std::ios::binary);
        const std::string garbage(1024 * 1024, 'g');
        for (int i = 0; i < 50; ++i)
            out << garbage;
        out << "\r\n01.05.2022;0;0;Mai\r\n";
    }
    CTerminList read;
    bool invalid = false;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ReadListFile(path, read, invalid, m_host), ListFileStatus::Ok);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(invalid);
    ASSERT_EQ(read.GetSize(), 1u);
    EXPECT_EQ(read[0].m_strDescription, "Mai");
    EXPECT_LT(seconds, 20.0);
}

TEST_F(ListFileIoTest, AFileWrittenInAGermanLocaleReadsUnchangedInAnEnglishOne)
{
    const std::string path = Write("deutsch.lst", "24.12.2021 18:00:00;1;1;Weihnachten\r\n01.05.2022;0;0;Mai\r\n");
    const CWin32CoreHost english(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT));
    CTerminList read;
    bool invalid = true;
    const ListFileStatus status = ReadListFile(path, read, invalid, english);
    EXPECT_EQ(status, ListFileStatus::Ok);
    EXPECT_FALSE(invalid);
    ASSERT_EQ(read.GetSize(), 2u);
    EXPECT_EQ(read[0].m_dtTarget.Format("%d.%m.%Y %H:%M:%S"), "24.12.2021 18:00:00");
    EXPECT_EQ(read[1].m_dtTarget.Format("%d.%m.%Y %H:%M:%S"), "01.05.2022 00:00:00");
}

TEST_F(ListFileIoTest, InAMonthFirstDottedLocaleAnExportedFileReadsBackTheSameMoments)
{
    ScopedShortDate monthFirst(L"MM.dd.yyyy");
    ASSERT_TRUE(monthFirst.IsSet());
    const CWin32CoreHost userLocale;
    const CTerminList written = SwappableDates();
    const std::string path = m_folder + "monatzuerst.lst";
    CIndexArray all;
    for (size_t i = 0; i < written.GetSize(); ++i)
        all.Add(static_cast<int32_t>(i));
    ASSERT_EQ(WriteListFile(path, written, all, userLocale), ListFileStatus::Ok);
    ASSERT_NE(Content(path).find("03.04.2021;"), std::string::npos) << "the 4th of March, month first";
    CTerminList read;
    bool invalid = true;
    ASSERT_EQ(ReadListFile(path, read, invalid, userLocale), ListFileStatus::Ok);
    EXPECT_FALSE(invalid);
    ASSERT_EQ(read.GetSize(), written.GetSize());
    for (size_t i = 0; i < written.GetSize(); ++i)
        EXPECT_DOUBLE_EQ(read[i].m_dtTarget.m_dt, written[i].m_dtTarget.m_dt) << written[i].FormatText(userLocale);

    // A German file still reads where the day cannot be a month.
    const std::string german = Write("deutsch.lst", "24.12.2021 18:00:00;1;1;Weihnachten\r\n");
    CTerminList fromGerman;
    ASSERT_EQ(ReadListFile(german, fromGerman, invalid, userLocale), ListFileStatus::Ok);
    ASSERT_EQ(fromGerman.GetSize(), 1u);
    EXPECT_EQ(fromGerman[0].m_dtTarget.Format("%d.%m.%Y %H:%M:%S"), "24.12.2021 18:00:00");
}

TEST_F(ListFileIoTest, AFileOfAnOlderToolEndingInCtrlZReadsWithoutAWarning)
{
    const std::string blank(CListFileReader::kMaxLineBytes + 1, ' ');
    const std::string path = Write("alt.lst", "24.12.2021 18:00:00;1;1;Weihnachten\r\n" + blank + "\r\n\x1A");
    CTerminList read;
    bool invalid = true;
    ASSERT_EQ(ReadListFile(path, read, invalid, m_host), ListFileStatus::Ok);
    EXPECT_FALSE(invalid);
    ASSERT_EQ(read.GetSize(), 1u);
    EXPECT_EQ(read[0].FormatText(m_host), "24.12.2021 18:00:00;1;1;Weihnachten");
}
