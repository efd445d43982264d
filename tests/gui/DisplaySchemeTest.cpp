// Display schemes from the page: saved, replaced, chosen and deleted straight into the registry,
// whatever happens to the sheet afterwards; names the registry cannot take leave all as it was.
#include "DisplayPageTestSupport.h"

#include "res/resource.h"

namespace {

constexpr char kAbend[] = "2;0x0000FFFF;0x00400000;0;0x00000080;0x000000FF;20";
constexpr char kMorgen[] = "0;0x00000000;0x00FFFFFF;1;0x0000FF00;0x00FFFF00;100";
constexpr char kEdited[] = "1;0x00112233;0x00445566;0;0x00778899;0x00AABBCC;42";

std::string SelectedText(HWND combo)
{
    const auto index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (index < 0)
        return {};
    char text[512] = "";
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

// Message text of a message dialog: its longest static text.
std::string MessageText(HWND dialog)
{
    std::string longest;
    for (HWND child : ChildWindows(dialog))
        if (ClassOf(child) == "Static" && TextOf(child).size() > longest.size())
            longest = TextOf(child);
    return longest;
}

// What turned up on the screen while a scheme was saved or deleted.
struct Seen {
    std::string saveDialogName;
    DWORD selectionEnd = 0;
    std::string message;
    std::string messageTitle;
};

// Types `name` into the save dialog once it is open and confirms; then reports and closes
// whatever dialog follows (a question or an error). Call Saved() after the click.
void SaveAs(HWND sheet, const std::string& name, Seen& seen)
{
    AfterDelay(200, [sheet, name, &seen] {
        const HWND dialog = FindDialog("Schema speichern");
        const HWND edit = GetDlgItem(dialog, IDC_SCHEME_NAME);
        seen.saveDialogName = TextOf(edit);
        DWORD start = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&seen.selectionEnd));
        SetWindowTextA(edit, name.c_str());
        AfterDelay(300, [sheet, &seen] {
            if (const HWND after = OtherDialog(sheet)) {
                seen.message = MessageText(after);
                seen.messageTitle = TextOf(after);
                PostKey(GetFocus(), VK_RETURN);
            }
        });
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
}

// Lets the look for a following dialog run out, so that it cannot reach into a later test.
void Saved()
{
    PumpFor(500);
}

// Answers the delete question with `answer` (IDYES or IDNO) and reports its text.
void AnswerDelete(HWND sheet, int answer, Seen& seen)
{
    AfterDelay(200, [sheet, answer, &seen] {
        const HWND box = OtherDialog(sheet);
        seen.message = MessageText(box);
        seen.messageTitle = TextOf(box);
        SendMessageA(GetDlgItem(box, answer), BM_CLICK, 0, 0);
    });
}

// Forwards to the registry, but refuses to write the value `refused` (`times` times, or always).
class CRefusingProfile : public orv::CProfile {
public:
    CRefusingProfile(orv::CProfile& inner, std::string refused, int times = -1)
        : m_inner(inner), m_refused(std::move(refused)), m_times(times)
    {
    }
    bool OpenSection(const std::string& section) override { return m_inner.OpenSection(section); }
    long CloseSection() override { return m_inner.CloseSection(); }
    bool IsOpen() const override { return m_inner.IsOpen(); }
    std::string GetString(const std::string& name, const std::string& value) override { return m_inner.GetString(name, value); }
    bool GetBool(const std::string& name, bool value) override { return m_inner.GetBool(name, value); }
    int32_t GetInt(const std::string& name, int32_t value) override { return m_inner.GetInt(name, value); }
    long GetBinary(const std::string& name, size_t size, const void* defaults, void* result) override
    {
        return m_inner.GetBinary(name, size, defaults, result);
    }
    bool WriteString(const std::string& name, const std::string& text) override
    {
        if (name == m_refused && m_times != 0) {
            if (m_times > 0)
                --m_times;
            return false;
        }
        return m_inner.WriteString(name, text);
    }
    bool WriteBool(const std::string& name, bool value) override { return m_inner.WriteBool(name, value); }
    bool WriteInt(const std::string& name, int32_t value) override { return m_inner.WriteInt(name, value); }
    bool WriteBinary(const std::string& name, size_t size, const void* data) override
    {
        return m_inner.WriteBinary(name, size, data);
    }
    bool DeleteValue(const std::string& name) override { return m_inner.DeleteValue(name); }
    bool Exists() override { return m_inner.Exists(); }
    bool DeleteSection(const std::string& section) override { return m_inner.DeleteSection(section); }
    bool Flush() override { return m_inner.Flush(); }
    void ListValueNames(const std::string& section, std::vector<std::string>& names) override
    {
        m_inner.ListValueNames(section, names);
    }

private:
    orv::CProfile& m_inner;
    std::string m_refused;
    int m_times;
};

// The scheme names the page offers.
std::vector<std::string> NamesIn(HWND combo)
{
    std::vector<std::string> names;
    const auto count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[512] = "";
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        names.push_back(text);
    }
    return names;
}

using Schemes = std::map<std::string, std::string>;

}  // namespace

TEST_F(DisplayPageTest, SavingUnderAnExistingNameReplacesItWithoutAskingAndOutlivesCancel)
{
    WriteScheme("Abend", kAbend);
    WriteScheme("Morgen", kMorgen);
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDisplayPropPage* page = AddPage(sheet, SettingsOf(kEdited), "Morgen");
    Seen seen;
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        SaveAs(window, "abend", seen);
        Click(GetDlgItem(pageWindow, IDC_SCHEME_SAVE));
        Saved();
        EXPECT_EQ(seen.saveDialogName, "Morgen");
        EXPECT_EQ(seen.selectionEnd, 6u);  // offered with all of it selected
        EXPECT_EQ(seen.message, "");       // no question
        EXPECT_EQ(SelectedText(GetDlgItem(pageWindow, IDC_SCHEMES)), "abend");
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(pageWindow, IDC_SCHEME_DELETE)));
        EXPECT_EQ(SendMessageA(GetDlgItem(pageWindow, IDC_SCHEMES), CB_GETCOUNT, 0, 0), 2);
        EXPECT_EQ(page->SchemaName(), "abend");
        PressSheetButton(window, PSBTN_CANCEL);
    });
    // The new spelling replaced the old one; the sheet's Cancel does not undo a saved scheme.
    EXPECT_EQ(RegistrySchemes(), (Schemes{{"abend", kEdited}, {"Morgen", kMorgen}}));
}

TEST_F(DisplayPageTest, SavingANewSchemeAddsItAndSelectsIt)
{
    WriteScheme("Abend", kAbend);
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDisplayPropPage* page = AddPage(sheet, SettingsOf(kEdited));
    Seen seen;
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        SaveAs(window, " Nacht ", seen);
        Click(GetDlgItem(pageWindow, IDC_SCHEME_SAVE));
        Saved();
        EXPECT_EQ(seen.saveDialogName, "");
        EXPECT_EQ(SelectedText(GetDlgItem(pageWindow, IDC_SCHEMES)), " Nacht ");
        PressSheetButton(window, PSBTN_OK);
    });
    EXPECT_EQ(page->SchemaName(), " Nacht ");
    EXPECT_EQ(RegistrySchemes(), (Schemes{{"Abend", kAbend}, {" Nacht ", kEdited}}));
}

TEST_F(DisplayPageTest, DeleteAnsweredNoChangesNothing)
{
    WriteScheme("Abend", kAbend);
    WriteScheme("Morgen", kMorgen);
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDisplayPropPage* page = AddPage(sheet, SettingsOf(kAbend), "Abend");
    Seen seen;
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        AnswerDelete(window, IDNO, seen);
        Click(GetDlgItem(pageWindow, IDC_SCHEME_DELETE));
        EXPECT_EQ(seen.message, "Eintrag wirklich l\xF6schen?");
        EXPECT_EQ(seen.messageTitle, "Zielmark");
        EXPECT_EQ(SelectedText(GetDlgItem(pageWindow, IDC_SCHEMES)), "Abend");
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(pageWindow, IDC_SCHEME_DELETE)));
        EXPECT_FALSE(ApplyEnabled(window));
        PressSheetButton(window, PSBTN_CANCEL);
    });
    EXPECT_EQ(page->SchemaName(), "Abend");
    EXPECT_EQ(RegistrySchemes(), (Schemes{{"Abend", kAbend}, {"Morgen", kMorgen}}));
}

TEST_F(DisplayPageTest, DeleteAnsweredYesRemovesTheSchemeEvenWhenTheSheetIsCancelled)
{
    WriteScheme("Abend", kAbend);
    WriteScheme("Morgen", kMorgen);
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDisplayPropPage* page = AddPage(sheet, SettingsOf(kAbend), "Abend");
    Seen seen;
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        AnswerDelete(window, IDYES, seen);
        Click(GetDlgItem(pageWindow, IDC_SCHEME_DELETE));
        const HWND schemes = GetDlgItem(pageWindow, IDC_SCHEMES);
        EXPECT_EQ(SendMessageA(schemes, CB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(SendMessageA(schemes, CB_GETCURSEL, 0, 0), CB_ERR);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(pageWindow, IDC_SCHEME_DELETE)));
        EXPECT_EQ(page->SchemaName(), "");
        // The settings themselves stay as they were.
        EXPECT_EQ(page->DisplaySet().FormatText(), kAbend);
        PressSheetButton(window, PSBTN_CANCEL);
    });
    EXPECT_EQ(RegistrySchemes(), (Schemes{{"Morgen", kMorgen}}));
}

TEST_F(DisplayPageTest, NameTooLongForTheRegistryIsReportedAndChangesNothing)
{
    WriteScheme("Abend", kAbend);
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDisplayPropPage* page = AddPage(sheet, SettingsOf(kEdited), "Abend");
    Seen seen;
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        // More than the edit lets anyone type, put there as a paste from elsewhere might.
        SaveAs(window, std::string(16384, 'x'), seen);
        Click(GetDlgItem(pageWindow, IDC_SCHEME_SAVE));
        Saved();
        EXPECT_EQ(seen.messageTitle, "FEHLER");
        EXPECT_NE(seen.message.find("16383"), std::string::npos) << seen.message;
        EXPECT_EQ(SelectedText(GetDlgItem(pageWindow, IDC_SCHEMES)), "Abend");
        EXPECT_EQ(NamesIn(GetDlgItem(pageWindow, IDC_SCHEMES)), (std::vector<std::string>{"Abend"}));
        PressSheetButton(window, PSBTN_CANCEL);
    });
    EXPECT_EQ(page->SchemaName(), "Abend");
    EXPECT_EQ(RegistrySchemes(), (Schemes{{"Abend", kAbend}}));
}

TEST_F(DisplayPageTest, RegistryRefusingASchemeIsReportedAndChangesNothing)
{
    WriteScheme("Abend", kAbend);
    WriteScheme("Morgen", kMorgen);
    CRefusingProfile refusing(profile, "Kaputt");
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    auto* page = sheet.AddPage(std::make_unique<CDisplayPropPage>(app, refusing));
    page->DisplaySet() = SettingsOf(kEdited);
    Seen seen;
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        SaveAs(window, "Kaputt", seen);
        Click(GetDlgItem(pageWindow, IDC_SCHEME_SAVE));
        Saved();
        EXPECT_EQ(seen.messageTitle, "FEHLER");
        EXPECT_NE(seen.message.find("\"Kaputt\""), std::string::npos) << seen.message;
        EXPECT_EQ(NamesIn(GetDlgItem(pageWindow, IDC_SCHEMES)), (std::vector<std::string>{"Abend", "Morgen"}));
        PressSheetButton(window, PSBTN_CANCEL);
    });
    EXPECT_EQ(page->SchemaName(), "");
    EXPECT_EQ(RegistrySchemes(), (Schemes{{"Abend", kAbend}, {"Morgen", kMorgen}}));
}

TEST_F(DisplayPageTest, RegistryFailingOnDeleteIsReportedAndKeepsTheScheme)
{
    WriteScheme("Abend", kAbend);
    WriteScheme("Morgen", kMorgen);
    CRefusingProfile refusing(profile, "Morgen", 1);
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    auto* page = sheet.AddPage(std::make_unique<CDisplayPropPage>(app, refusing));
    page->DisplaySet() = SettingsOf(kAbend);
    page->SchemaName() = "Abend";
    Seen question;
    std::string error;
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        AnswerDelete(window, IDYES, question);
        AfterDelay(500, [&] {
            if (const HWND message = FindDialog("FEHLER")) {
                error = MessageText(message);
                PostKey(GetFocus(), VK_RETURN);
            }
        });
        Click(GetDlgItem(pageWindow, IDC_SCHEME_DELETE));
        PumpFor(300);
        EXPECT_EQ(SelectedText(GetDlgItem(pageWindow, IDC_SCHEMES)), "Abend");
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(pageWindow, IDC_SCHEME_DELETE)));
        EXPECT_EQ(NamesIn(GetDlgItem(pageWindow, IDC_SCHEMES)), (std::vector<std::string>{"Abend", "Morgen"}));
        PressSheetButton(window, PSBTN_CANCEL);
    });
    EXPECT_NE(error.find("\"Abend\""), std::string::npos) << error;
    EXPECT_EQ(page->SchemaName(), "Abend");
    EXPECT_EQ(RegistrySchemes(), (Schemes{{"Abend", kAbend}, {"Morgen", kMorgen}}));
}
