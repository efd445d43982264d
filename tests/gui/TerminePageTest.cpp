// The page "Termine" in a sheet: rows and their texts, sorting by the headings, the buttons per
// selection, deleting with its question, and the folders kept in the registry.
#include "TermineGuiSupport.h"

#include "res/resource.h"

using Texts = std::vector<std::string>;

namespace {

struct ButtonStates {
    bool neu = false, change = false, remove = false, exportRows = false, import = false;
    bool operator==(const ButtonStates& other) const
    {
        return neu == other.neu && change == other.change && remove == other.remove &&
               exportRows == other.exportRows && import == other.import;
    }
};

std::ostream& operator<<(std::ostream& out, const ButtonStates& s)
{
    return out << "Neu " << s.neu << " Ändern " << s.change << " Löschen " << s.remove << " Exportieren "
               << s.exportRows << " Importieren " << s.import;
}

const std::vector<CTermin> Sample()
{
    return {TerminOf("24.12.2021 18:00:00;1;1;Weihnachten"), TerminOf("01.05.2022;0;0;Mai"),
            TerminOf("03.03.2022 12:00:00;1;1;Geburtstag"), TerminOf("31.12.2021 23:59:59;1;0;Silvester")};
}

}  // namespace

class TerminePageTest : public TermineGuiTest {
protected:
    ButtonStates Buttons() const
    {
        auto enabled = [this](int id) { return IsWindowEnabled(PageButton(id)) != FALSE; };
        return ButtonStates{enabled(IDC_NEW), enabled(IDC_CHANGE), enabled(IDC_DELETE), enabled(IDC_EXPORT),
                            enabled(IDC_IMPORT)};
    }
};

TEST_F(TerminePageTest, RowsShowDateYearlyMarkAndPrepositionWithDescription)
{
    Texts dates, yearly, descriptions, headings;
    RunPage(Sample(), {[&] {
                           dates = ColumnTexts(PageList(), 0);
                           yearly = ColumnTexts(PageList(), 1);
                           descriptions = ColumnTexts(PageList(), 2);
                           SelectRows(PageList(), {1, 2});
                           SaveScreenshot(Sheet(), "termine_page");
                       },
                       [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_EQ(dates, (Texts{"24.12.2021 18:00:00", "31.12.2021 23:59:59", "03.03.2022 12:00:00",
                            "01.05.2022 00:00:00"}));
    EXPECT_EQ(yearly, (Texts{"X", "X", "X", ""}));
    EXPECT_EQ(descriptions, (Texts{"bis zum Weihnachten", "bis Silvester", "bis zum Geburtstag", "bis Mai"}));
}

TEST_F(TerminePageTest, ButtonsFollowTheNumberOfSelectedRows)
{
    std::vector<ButtonStates> seen;
    RunPage(Sample(), {[&] { seen.push_back(Buttons()); },
                       [&] { SelectRows(PageList(), {2}); },
                       [&] { seen.push_back(Buttons()); },
                       [&] { SelectRows(PageList(), {0, 3}); },
                       [&] { seen.push_back(Buttons()); },
                       [&] { SelectRows(PageList(), {}); },
                       [&] { seen.push_back(Buttons()); },
                       [&] { CloseSheet(PSBTN_CANCEL); }});
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], (ButtonStates{true, false, false, false, true}));
    EXPECT_EQ(seen[1], (ButtonStates{true, true, true, true, true}));
    EXPECT_EQ(seen[2], (ButtonStates{true, false, true, true, true}));
    EXPECT_EQ(seen[3], (ButtonStates{true, false, false, false, true}));
}

TEST_F(TerminePageTest, HeadingsSortAndReverseWithCyclicTieBreaks)
{
    const std::vector<CTermin> termine{TerminOf("01.01.2022;1;0;beta"), TerminOf("01.01.2022;0;0;zulu"),
                                       TerminOf("01.01.2022;1;0;Alpha"), TerminOf("05.05.2021;1;0;omega"),
                                       TerminOf("01.01.2020;1;0;alpha")};
    std::vector<Texts> orders;
    auto record = [&] { orders.push_back(ColumnTexts(PageList(), 2)); };
    RunPage(termine, {record,
                      [&] { ClickHeading(PageList(), 0); },  // again: descending
                      record,
                      [&] { ClickHeading(PageList(), 2); },
                      record,
                      [&] { ClickHeading(PageList(), 1); },
                      record,
                      [&] { ClickHeading(PageList(), 1); },
                      record,
                      [&] { CloseSheet(PSBTN_CANCEL); }});
    ASSERT_EQ(orders.size(), 5u);
    // Date; at the same moment not yearly first, then by description.
    EXPECT_EQ(orders[0], (Texts{"bis alpha", "bis omega", "bis zulu", "bis Alpha", "bis beta"}));
    EXPECT_EQ(orders[1], (Texts{"bis beta", "bis Alpha", "bis zulu", "bis omega", "bis alpha"}));
    // Description ignoring ASCII case; equal ones by date.
    EXPECT_EQ(orders[2], (Texts{"bis alpha", "bis Alpha", "bis beta", "bis omega", "bis zulu"}));
    // Yearly flag, then description, then date.
    EXPECT_EQ(orders[3], (Texts{"bis zulu", "bis alpha", "bis Alpha", "bis beta", "bis omega"}));
    EXPECT_EQ(orders[4], (Texts{"bis omega", "bis beta", "bis Alpha", "bis alpha", "bis zulu"}));
}

TEST_F(TerminePageTest, DateColumnSortsTimesOfOneDayBefore1900InTimeOrder)
{
    const std::vector<CTermin> termine{TerminOf("29.12.1899 18:00;0;0;Abend"), TerminOf("29.12.1899 06:00;0;0;Morgen"),
                                       TerminOf("01.06.1800 00:00:01;0;0;Sekunde"),
                                       TerminOf("01.06.1800;0;0;Mitternacht")};
    std::vector<Texts> orders;
    auto record = [&] { orders.push_back(ColumnTexts(PageList(), 2)); };
    RunPage(termine, {[&] { ClickHeading(PageList(), 2); },
                      [&] { ClickHeading(PageList(), 0); },
                      record,
                      [&] { ClickHeading(PageList(), 0); },
                      record,
                      [&] { CloseSheet(PSBTN_CANCEL); }});
    ASSERT_EQ(orders.size(), 2u);
    EXPECT_EQ(orders[0], (Texts{"bis Mitternacht", "bis Sekunde", "bis Morgen", "bis Abend"}));
    EXPECT_EQ(orders[1], (Texts{"bis Abend", "bis Morgen", "bis Sekunde", "bis Mitternacht"}));
}

TEST_F(TerminePageTest, DeletingRowsSortedOtherwiseRemovesExactlyTheSelectedAppointments)
{
    std::string question;
    Texts rowsAfter;
    bool applyAfter = false;
    RunPage(Sample(), {[&] {
                           ClickHeading(PageList(), 2);  // Geburtstag, Mai, Silvester, Weihnachten
                           SelectRows(PageList(), {0, 2});
                       },
                       [&] { Press(PageButton(IDC_DELETE)); },
                       [&] {
                           const HWND box = FindDialog("Zielmark");
                           question = MessageText(box);
                           SaveScreenshot(box, "termine_delete_question");
                           Press(GetDlgItem(box, IDYES));
                       },
                       [&] {
                           rowsAfter = ColumnTexts(PageList(), 2);
                           applyAfter = ApplyEnabled();
                       },
                       [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_EQ(question, "Eintr\xE4ge wirklich l\xF6schen?");
    EXPECT_EQ(Working(), (Texts{Sample()[0].FormatText(host), Sample()[1].FormatText(host)}));
    EXPECT_EQ(rowsAfter, (Texts{"bis Mai", "bis zum Weihnachten"}));
    EXPECT_TRUE(applyAfter);
    EXPECT_EQ(Final().m_bModified, 1);
}

TEST_F(TerminePageTest, OneSelectedRowAsksInTheSingularAndNoKeepsEverything)
{
    std::string question;
    bool applyAfter = true;
    RunPage(Sample(), {[&] { SelectRows(PageList(), {1}); },
                       [&] { Press(PageButton(IDC_DELETE)); },
                       [&] {
                           const HWND box = FindDialog("Zielmark");
                           question = MessageText(box);
                           Press(GetDlgItem(box, IDNO));
                       },
                       [&] { applyAfter = ApplyEnabled(); },
                       [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_EQ(question, "Eintrag wirklich l\xF6schen?");
    EXPECT_EQ(Working().size(), 4u);
    EXPECT_FALSE(applyAfter);
    EXPECT_EQ(Final().m_bModified, 0);
}

TEST_F(TerminePageTest, FoldersAreReadWhenThePageOpensAndWrittenWhenItCloses)
{
    WriteFolderValue("ExportPath", "C:\\Export\\");
    WriteFolderValue("ImportPath", "C:\\Import\\");
    // Changed behind the open page: the page writes back what it read.
    RunPage({}, {[&] {
                     WriteFolderValue("ExportPath", "C:\\Anders\\");
                     WriteFolderValue("ImportPath", "C:\\Anders\\");
                 },
                 [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_EQ(FolderValue("ExportPath"), "C:\\Export\\");
    EXPECT_EQ(FolderValue("ImportPath"), "C:\\Import\\");
}

TEST_F(TerminePageTest, MarkChangedSwitchesTheApplyButtonAndFalseGivesTheListTheFocus)
{
    bool applyOn = false, applyOff = true;
    HWND focusOff = nullptr, list = nullptr;
    RunPage(Sample(), {[&] {
                           list = PageList();
                           m_page->MarkChanged(true);
                           applyOn = ApplyEnabled();
                           SetFocus(PageButton(IDC_NEW));
                           m_page->MarkChanged(false);
                           applyOff = ApplyEnabled();
                           focusOff = GetFocus();
                       },
                       [&] { CloseSheet(PSBTN_CANCEL); }});
    EXPECT_TRUE(applyOn);
    EXPECT_FALSE(applyOff);
    EXPECT_EQ(focusOff, list);
}
