// List files from the page: export and import with the import dialog, the file dialogs, and the
// messages for files that cannot be read or written.
#include "TermineGuiSupport.h"

#include "res/resource.h"

#include <fstream>

using Texts = std::vector<std::string>;

namespace {

const char kImportTitle[] = "Termine importieren";

// A folder of the test's own below the temporary folder, removed with what it holds.
class CTempFolder {
public:
    CTempFolder()
    {
        char base[MAX_PATH] = "";
        GetTempPathA(sizeof(base), base);
        m_path = std::string(base) + "zm_import_" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~CTempFolder()
    {
        WIN32_FIND_DATAA found{};
        HANDLE search = FindFirstFileA((m_path + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = m_path + found.cFileName;
                SetFileAttributesA(name.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveDirectoryA(name.c_str());
                else
                    DeleteFileA(name.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(m_path.c_str());
    }
    std::string File(const std::string& name, const std::string& content) const
    {
        std::ofstream(m_path + name, std::ios::binary) << content;
        return m_path + name;
    }
    std::string Path(const std::string& name) const { return m_path + name; }
    const std::string& Folder() const { return m_path; }

private:
    std::string m_path;
};

std::string Content(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}


}  // namespace

class TerminImportTest : public TermineGuiTest {
protected:
    // Closes the message dialog titled `title` and returns its text.
    std::function<void()> Acknowledge(const char* title, std::string& text)
    {
        return [title, &text] {
            const HWND box = FindDialog(title);
            text = MessageText(box);
            Press(GetDlgItem(box, IDOK));
        };
    }
    HWND ImportDialog() const { return FindDialog(kImportTitle); }
    CTempFolder folder;
};

TEST_F(TerminImportTest, InvalidLinesAreReportedThenTheChosenRowsAreAppendedInFileOrder)
{
    const std::string file = folder.File("termine.lst",
                                         "01.05.2022;0;0;Mai\r\nkaputt\r\n24.12.2021 18:00:00;1;1;Weihnachten\r\n"
                                         "03.03.2022;1;1;Geburtstag\r\n");
    std::string warning;
    bool importEnabledAtFirst = true, openAfterEnter = false, importEnabledWithSelection = false;
    Texts offered, rows;
    bool apply = false;
    RunPage({TerminOf("01.01.2022;1;0;Neujahr")},
            {[&] { m_page->ReadListFile(file); },
             Acknowledge("WARNUNG", warning),
             [&] {
                 offered = ColumnTexts(GetDlgItem(ImportDialog(), IDC_LIST), 2);
                 importEnabledAtFirst = IsWindowEnabled(GetDlgItem(ImportDialog(), IDOK)) != FALSE;
                 PostKey(GetDlgItem(ImportDialog(), IDC_LIST), VK_RETURN);
             },
             [&] {
                 openAfterEnter = ImportDialog() != nullptr;
                 SelectRows(GetDlgItem(ImportDialog(), IDC_LIST), {0, 2});  // Weihnachten, Mai
             },
             [&] {
                 importEnabledWithSelection = IsWindowEnabled(GetDlgItem(ImportDialog(), IDOK)) != FALSE;
                 SaveScreenshot(ImportDialog(), "termin_import");
                 Press(GetDlgItem(ImportDialog(), IDOK));
             },
             [&] {
                 rows = ColumnTexts(PageList(), 2);
                 apply = ApplyEnabled();
             },
             [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_EQ(warning, "WARNUNG 500: Die Datei enth\xE4lt ung\xFCltige Eintr\xE4ge. Diese wurden beim Lesen ignoriert.");
    EXPECT_EQ(offered, (Texts{"bis zum Weihnachten", "bis zum Geburtstag", "bis Mai"}));
    EXPECT_FALSE(importEnabledAtFirst);
    EXPECT_TRUE(openAfterEnter);
    EXPECT_TRUE(importEnabledWithSelection);
    EXPECT_EQ(rows, (Texts{"bis zum Weihnachten", "bis Neujahr", "bis Mai"}));
    EXPECT_TRUE(apply);
    ASSERT_EQ(Final().GetSize(), 3u);
    EXPECT_EQ(Final()[1].m_strDescription, "Mai");
    EXPECT_EQ(Final()[2].m_strDescription, "Weihnachten");
    EXPECT_EQ(Final().m_bModified, 1);
}

TEST_F(TerminImportTest, CancellingTheImportDialogTakesNothingAndF1ShowsItsHelp)
{
    const std::string file = folder.File("eins.lst", "01.05.2022;0;0;Mai\r\n");
    RunPage({}, {[&] { m_page->ReadListFile(file); },
                 [&] {
                     SelectRows(GetDlgItem(ImportDialog(), IDC_LIST), {0});
                     PostKey(GetDlgItem(ImportDialog(), IDC_LIST), VK_F1);
                 },
                 [&] { PostKey(GetDlgItem(ImportDialog(), IDC_LIST), VK_ESCAPE); },
                 [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_EQ(app.topics, (Texts{"ref_dlg_terminimport.html"}));
    EXPECT_EQ(Final().GetSize(), 0u);
    EXPECT_EQ(Final().m_bModified, 0);
}

TEST_F(TerminImportTest, FilesWithoutValidEntriesWarnAndShowNoImportDialog)
{
    const std::string blank = folder.File("leer.lst", "\r\n   \r\n\r\n");
    const std::string garbage = folder.File("garbage.lst", std::string("\x01\x02kaputt\0\xFF\r\n;;;\r\n", 16));
    std::string blankWarning, garbageFirst, garbageSecond;
    bool importShown = false;
    RunPage({}, {[&] { m_page->ReadListFile(blank); },
                 Acknowledge("WARNUNG", blankWarning),
                 [&] { importShown = importShown || ImportDialog(); },
                 [&] { m_page->ReadListFile(garbage); },
                 Acknowledge("WARNUNG", garbageFirst),
                 Acknowledge("WARNUNG", garbageSecond),
                 [&] { importShown = importShown || ImportDialog(); },
                 [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_EQ(blankWarning, "WARNUNG 501: Die Datei enth\xE4lt keine (g\xFCltigen) Eintr\xE4ge.");
    EXPECT_EQ(garbageFirst.substr(0, 12), "WARNUNG 500:");
    EXPECT_EQ(garbageSecond.substr(0, 12), "WARNUNG 501:");
    EXPECT_FALSE(importShown);
    EXPECT_EQ(Final().GetSize(), 0u);
}

TEST_F(TerminImportTest, AMissingFileOrAFolderCannotBeRead)
{
    const std::string missing = folder.Path("fehlt.lst");
    const std::string directory = folder.Path("ordner");
    CreateDirectoryA(directory.c_str(), nullptr);
    std::string first, second;
    RunPage({}, {[&] { m_page->ReadListFile(missing); },
                 Acknowledge("FEHLER", first),
                 [&] { m_page->ReadListFile(directory); },
                 Acknowledge("FEHLER", second),
                 [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_EQ(first, "FEHLER 107: Datei\n\"" + missing + "\"\nkann nicht zum Lesen ge\xF6" "ffnet werden.");
    EXPECT_EQ(second, "FEHLER 107: Datei\n\"" + directory + "\"\nkann nicht zum Lesen ge\xF6" "ffnet werden.");
}

TEST_F(TerminImportTest, AReadOnlyTargetIsReportedAndLeftAsItWas)
{
    const std::string target = folder.File("schreibgeschuetzt.lst", "alt\r\n");
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    std::string error;
    RunPage({TerminOf("01.05.2022;0;0;Mai")},
            {[&] { m_page->WriteListFile(CIndexArray{0}, target); },
             Acknowledge("FEHLER", error),
             [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_EQ(error, "FEHLER 105: Datei\n\"" + target + "\"\nkann nicht zum Schreiben ge\xF6" "ffnet werden.");
    EXPECT_EQ(Content(target), "alt\r\n");
}

TEST_F(TerminImportTest, ExportedThroughTheSaveDialogAndImportedBackTheRowsAppearTwice)
{
    const std::string target = folder.Path("ausgewaehlt.lst");
    HWND saveDialog = nullptr;
    std::string exported;
    Texts rows;
    RunPage({TerminOf("01.05.2022;0;0;Mai"), TerminOf("24.12.2021 18:00:00;1;1;Weihnachten")},
            {[&] { SelectRows(PageList(), {0, 1}); },
             [&] { Press(PageButton(IDC_EXPORT)); },
             [&] {
                 saveDialog = OwnedDialog(Sheet());
                 // The file name field of the system's dialog (either generation), then OK.
                 SetDlgItemTextA(saveDialog, 0x47C, target.c_str());
                 SetDlgItemTextA(saveDialog, 0x480, target.c_str());
                 PostMessageA(saveDialog, WM_COMMAND, IDOK, 0);
             },
             [&] {
                 exported = Content(target);
                 m_page->ReadListFile(target);
             },
             [&] { SelectRows(GetDlgItem(ImportDialog(), IDC_LIST), {0, 1}); },
             [&] { Press(GetDlgItem(ImportDialog(), IDOK)); },
             [&] { rows = ColumnTexts(PageList(), 2); },
             [&] { CloseSheet(PSBTN_CANCEL); }});
    ASSERT_NE(saveDialog, nullptr);
    EXPECT_EQ(exported, Final()[0].FormatText(host) + "\r\n" + Final()[1].FormatText(host) + "\r\n");
    EXPECT_EQ(rows, (Texts{"bis zum Weihnachten", "bis zum Weihnachten", "bis Mai", "bis Mai"}));
    EXPECT_EQ(FolderValue("ExportPath"), folder.Folder());
}
