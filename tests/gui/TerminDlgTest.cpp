// "Termin anlegen/bearbeiten" from the page: the new default appointment, the refused empty
// description, typing limits, editing, cancelling, keys and help.
#include "TermineGuiSupport.h"

#include "res/resource.h"

#include <commctrl.h>

#include <cmath>

using Texts = std::vector<std::string>;

namespace {

const char kTitle[] = "Termin anlegen/bearbeiten";

struct DialogState {
    bool found = false;
    SYSTEMTIME date{};
    SYSTEMTIME time{};
    bool yearly = false;
    std::string preposition;
    std::string description;
    int focusId = 0;
};

DialogState Inspect(HWND dialog)
{
    DialogState state;
    state.found = dialog != nullptr;
    if (!dialog)
        return state;
    SendDlgItemMessageA(dialog, IDC_DATE, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&state.date));
    SendDlgItemMessageA(dialog, IDC_TIME, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&state.time));
    state.yearly = IsDlgButtonChecked(dialog, IDC_YEARLY) == BST_CHECKED;
    state.preposition = TextOf(GetDlgItem(dialog, IDC_PREPOSITION));
    state.description = TextOf(GetDlgItem(dialog, IDC_DESCRIPTION));
    state.focusId = GetDlgCtrlID(GetFocus());
    return state;
}

void Type(HWND control, const std::string& text)
{
    for (const char c : text)
        SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PutOnClipboard(HWND owner, const std::string& text)
{
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

}  // namespace

class TerminDlgTest : public TermineGuiTest {
protected:
    HWND Dialog() const { return FindDialog(kTitle); }
    HWND Item(int id) const { return GetDlgItem(Dialog(), id); }
};

TEST_F(TerminDlgTest, NewAppointmentStartsTomorrowYearlyWithBisAndNeedsADescription)
{
    const CTermin expected = CTermin::Tomorrow(host.Now());  // tomorrow at midnight
    CDateTime::Parts tomorrow;
    ASSERT_TRUE(expected.m_dtTarget.GetParts(tomorrow));
    DialogState opened;
    std::string error;
    int focusAfterError = 0;
    Texts rows;
    bool apply = false;
    RunPage({}, {[&] { Press(PageButton(IDC_NEW)); },
                 [&] {
                     opened = Inspect(Dialog());
                     SaveScreenshot(Dialog(), "termin_dialog");
                     Press(Item(IDOK));
                 },
                 [&] {
                     const HWND box = FindDialog("FEHLER");
                     error = MessageText(box);
                     Press(GetDlgItem(box, IDOK));
                 },
                 [&] {
                     focusAfterError = GetDlgCtrlID(GetFocus());
                     Type(Item(IDC_DESCRIPTION), "Urlaub");
                     Press(Item(IDOK));
                 },
                 [&] {
                     rows = ColumnTexts(PageList(), 2);
                     apply = ApplyEnabled();
                 },
                 [&] { CloseSheet(PSBTN_CANCEL); }});
    ASSERT_TRUE(opened.found);
    EXPECT_EQ(opened.date.wYear, tomorrow.year);
    EXPECT_EQ(opened.date.wMonth, tomorrow.month);
    EXPECT_EQ(opened.date.wDay, tomorrow.day);
    EXPECT_EQ(opened.time.wHour + opened.time.wMinute + opened.time.wSecond, 0);
    EXPECT_TRUE(opened.yearly);
    EXPECT_EQ(opened.preposition, "bis");
    EXPECT_EQ(opened.description, "");
    EXPECT_EQ(opened.focusId, IDC_DATE);
    EXPECT_EQ(error, "FEHLER 102: Im Feld \"Beschreibung\" muss ein Text eingegeben werden.");
    EXPECT_EQ(focusAfterError, IDC_DESCRIPTION);
    EXPECT_EQ(rows, (Texts{"bis Urlaub"}));
    EXPECT_TRUE(apply);
    ASSERT_EQ(Final().GetSize(), 1u);
    EXPECT_EQ(Final()[0].m_dtTarget.m_dt, expected.m_dtTarget.m_dt);
    EXPECT_EQ(Final()[0].m_bYearly, 1);
    EXPECT_EQ(Final()[0].m_nPreposition, 0);
    EXPECT_EQ(Final().m_bModified, 1);
}

TEST_F(TerminDlgTest, DescriptionTakesThirtyCharactersBlanksAndNoSeparator)
{
    std::string typed, afterSeparator, pasted;
    RunPage({}, {[&] { Press(PageButton(IDC_NEW)); },
                 [&] {
                     const HWND edit = Item(IDC_DESCRIPTION);
                     Type(edit, std::string(35, 'x'));
                     typed = TextOf(edit);
                     SetWindowTextA(edit, "");
                     Type(edit, "a;b");
                     afterSeparator = TextOf(edit);
                     SetWindowTextA(edit, "");
                     PutOnClipboard(Dialog(), "Treffen; Raum 3\r\nzweite Zeile");
                     SendMessageA(edit, WM_PASTE, 0, 0);
                     pasted = TextOf(edit);
                     SetWindowTextA(edit, "   ");
                     Press(Item(IDOK));
                 },
                 [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_EQ(typed, std::string(30, 'x'));
    EXPECT_EQ(afterSeparator, "ab");
    EXPECT_EQ(pasted, "Treffen, Raum 3");
    ASSERT_EQ(Final().GetSize(), 1u);  // blanks are a description
    EXPECT_EQ(Final()[0].m_strDescription, "   ");
}

TEST_F(TerminDlgTest, CtrlVWithNoTextOnTheClipboardKeepsTheSelectedDescription)
{
    const UINT otherFormat = RegisterClipboardFormatA("Zielmark Testdaten");
    Texts after;
    RunPage({}, {[&] { Press(PageButton(IDC_NEW)); },
                 [&] {
                     const HWND edit = Item(IDC_DESCRIPTION);
                     for (const UINT format : {0u, otherFormat}) {
                         ASSERT_TRUE(OpenClipboard(Dialog()));
                         EmptyClipboard();
                         if (format) {
                             HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
                             SetClipboardData(format, memory);
                         }
                         CloseClipboard();
                         SetWindowTextA(edit, "Urlaub");
                         SendMessageA(edit, EM_SETSEL, 0, -1);
                         SendMessageA(edit, WM_CHAR, 0x16, 1);  // Ctrl+V
                         after.push_back(TextOf(edit));
                     }
                     PostKey(edit, VK_ESCAPE);
                 },
                 [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_EQ(after, (Texts{"Urlaub", "Urlaub"}));
}

TEST_F(TerminDlgTest, EditingShowsTheAppointmentAndWritesItBackInPlace)
{
    DialogState opened;
    Texts rows;
    int selectedAfter = -1;
    RunPage({TerminOf("24.12.2021 18:00:00;1;1;Weihnachten"), TerminOf("01.05.2022;0;0;Mai")},
            {[&] { SelectRows(PageList(), {1}); },
             [&] { Press(PageButton(IDC_CHANGE)); },
             [&] {
                 opened = Inspect(Dialog());
                 // The hour one on: a click into the hour field, then the arrow key.
                 SetFocus(Item(IDC_TIME));
                 SendMessageA(Item(IDC_TIME), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
                 SendMessageA(Item(IDC_TIME), WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
                 PostKey(Item(IDC_TIME), VK_UP);
                 SendDlgItemMessageA(Dialog(), IDC_PREPOSITION, CB_SETCURSEL, 2, 0);
                 SetWindowTextA(Item(IDC_DESCRIPTION), "Maifeier");
                 CheckDlgButton(Dialog(), IDC_YEARLY, BST_CHECKED);
             },
             [&] { Press(Item(IDOK)); },
             [&] {
                 rows = ColumnTexts(PageList(), 2);
                 selectedAfter = static_cast<int>(SendMessageA(PageList(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
             },
             [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_EQ(opened.date.wDay, 1);
    EXPECT_EQ(opened.date.wMonth, 5);
    EXPECT_EQ(opened.date.wYear, 2022);
    EXPECT_FALSE(opened.yearly);
    EXPECT_EQ(opened.preposition, "bis");
    EXPECT_EQ(opened.description, "Mai");
    EXPECT_EQ(rows, (Texts{"bis zum Weihnachten", "bis zur Maifeier"}));
    EXPECT_EQ(selectedAfter, 1);
    ASSERT_EQ(Final().GetSize(), 2u);
    const CTermin& edited = Final()[1];
    EXPECT_EQ(edited.m_strDescription, "Maifeier");
    EXPECT_EQ(edited.m_nPreposition, 2);
    EXPECT_EQ(edited.m_bYearly, 1);
    EXPECT_EQ(edited.m_dtTarget.Format("%d.%m.%Y %H:%M:%S"), "01.05.2022 01:00:00");
    EXPECT_EQ(Final()[0].m_strDescription, "Weihnachten");
}

TEST_F(TerminDlgTest, DateThePickersCannotShowIsRefusedAndTheAppointmentKept)
{
    // Before the pickers' first day (1601, or later in some versions), and one they show.
    const std::string early = "01.01.1500 12:00:00;1;3;Reformationsfest";
    const std::string shown = "24.12.1800 18:30:15;1;1;Fest";
    std::string error;
    DialogState opened;
    bool applyAfter = true;
    RunPage({TerminOf(early), TerminOf(shown)},
            {[&] { SelectRows(PageList(), {0}); },
             [&] { Press(PageButton(IDC_CHANGE)); },
             [&] {
                 // Without the refusal the dialog showed today; its OK would store that.
                 if (const HWND box = FindDialog("FEHLER")) {
                     error = MessageText(box);
                     SaveScreenshot(box, "termin_date_refused");
                     Press(GetDlgItem(box, IDOK));
                 } else if (Dialog()) {
                     Press(Item(IDOK));
                 }
             },
             [&] {
                 applyAfter = ApplyEnabled();
                 SelectRows(PageList(), {1});
             },
             [&] { Press(PageButton(IDC_CHANGE)); },
             [&] {
                 opened = Inspect(Dialog());
                 Press(Item(IDOK));
             },
             [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_EQ(error, "Der Termin am 01.01.1500 12:00:00 kann hier nicht bearbeitet werden: Die "
                     "Datumsauswahl zeigt so fr\xFChe Daten nicht an.\nDer Termin bleibt unver\xE4ndert.");
    EXPECT_FALSE(applyAfter);
    ASSERT_TRUE(opened.found);
    EXPECT_EQ(opened.date.wYear, 1800);
    EXPECT_EQ(opened.date.wMonth, 12);
    EXPECT_EQ(opened.date.wDay, 24);
    EXPECT_EQ(opened.time.wHour * 3600 + opened.time.wMinute * 60 + opened.time.wSecond, 18 * 3600 + 30 * 60 + 15);
    EXPECT_TRUE(opened.yearly);
    EXPECT_EQ(Working(), (Texts{TerminOf(early).FormatText(host), TerminOf(shown).FormatText(host)}));
}

TEST_F(TerminDlgTest, CancelLeavesListModifiedStateAndApplyButtonAsTheyWere)
{
    bool applyAfter = true;
    Texts rows;
    RunPage({TerminOf("24.12.2021 18:00:00;1;1;Weihnachten")},
            {[&] { SelectRows(PageList(), {0}); },
             [&] { Press(PageButton(IDC_CHANGE)); },
             [&] {
                 SetWindowTextA(Item(IDC_DESCRIPTION), "Ostern");
                 PostKey(Item(IDC_DESCRIPTION), VK_ESCAPE);
             },
             [&] {
                 applyAfter = ApplyEnabled();
                 rows = ColumnTexts(PageList(), 2);
             },
             [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_FALSE(applyAfter);
    EXPECT_EQ(rows, (Texts{"bis zum Weihnachten"}));
    EXPECT_EQ(Final()[0].m_strDescription, "Weihnachten");
    EXPECT_EQ(Final().m_bModified, 0);
}

TEST_F(TerminDlgTest, DoubleClickOnEmptySpaceOpensANewAppointmentAndF1ItsHelp)
{
    bool opened = false;
    RunPage({}, {[&] {
                     const LPARAM below = MAKELPARAM(50, 100);
                     PostMessageA(PageList(), WM_LBUTTONDOWN, MK_LBUTTON, below);
                     PostMessageA(PageList(), WM_LBUTTONUP, 0, below);
                     PostMessageA(PageList(), WM_LBUTTONDBLCLK, MK_LBUTTON, below);
                     PostMessageA(PageList(), WM_LBUTTONUP, 0, below);
                 },
                 [&] {
                     opened = Dialog() != nullptr;
                     PostKey(GetFocus(), VK_F1);
                 },
                 [&] { PostKey(GetFocus(), VK_ESCAPE); },
                 [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_TRUE(opened);
    EXPECT_EQ(app.topics, (Texts{"ref_dlg_termin.html"}));
    EXPECT_EQ(Final().GetSize(), 0u);
}
