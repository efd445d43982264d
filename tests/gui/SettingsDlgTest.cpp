// The settings sheet over a live appointment model: copy in, OK, Apply, Cancel, a page that refuses
// its values, help per page, placement at the cursor and appointments handled meanwhile.
#include "SheetTestSupport.h"

#include "core/TerminModel.h"
#include "framework/RegistryProfile.h"
#include "res/resource.h"
#include "sheet/DblClkPropPage.h"
#include "sheet/DisplayPropPage.h"
#include "sheet/SettingsDlg.h"
#include "sheet/TerminePropPage.h"
#include "tests/unit/TestHost.h"

#include <gtest/gtest.h>

namespace {

constexpr char kAppPath[] = "ZielmarkTest\\Settings";

CTermin At(const std::string& when, bool yearly, const std::string& description)
{
    CDateTime target;
    ParseGermanDateTime(when, target);
    return CTermin(target, yearly, 0, description);
}

std::vector<std::string> Texts(const CTerminList& list)
{
    std::vector<std::string> texts;
    for (size_t i = 0; i < list.GetSize(); ++i)
        texts.push_back(list[i].FormatText(CPortableCoreHost()));
    return texts;
}

// The timer window's side of the sheet: a real appointment model, the look and the options.
class CTestTarget : public CSettingsTarget {
public:
    CTestTarget(orv::CProfile& profile, const CCoreHost& host) : model(profile, host), m_profile(profile) {}
    CSettingsData GetSettings() const override { return {model.GetTermine(), image, options}; }
    void SetSettings(const CSettingsData& edited) override
    {
        model.TakeEdited(edited.m_termine);
        image = edited.m_image;
        options = edited.m_options;
        ++taken;
    }
    orv::CProfile& Profile() override { return m_profile; }
    const CTerminList& GetTermine() const { return model.GetTermine(); }

    CTerminModel model;
    CImageSettings image;
    CTimerOptions options;
    int taken = 0;

private:
    orv::CProfile& m_profile;
};

// The row of the sheet's page of type `Page`, found by what its row makes.
template <typename Page>
int IndexOf(const CSettingsDlg& sheet)
{
    for (size_t i = 0; i < sheet.GetPageCount(); ++i)
        if (dynamic_cast<Page*>(sheet.GetPage(i)))
            return static_cast<int>(i);
    ADD_FAILURE() << "the sheet has no such page";
    return 0;
}
template <typename Page>
Page* PageOf(const CSettingsDlg& sheet)
{
    return static_cast<Page*>(sheet.GetPage(static_cast<size_t>(IndexOf<Page>(sheet))));
}
CTerminePropPage* TermineOf(const CSettingsDlg& sheet) { return PageOf<CTerminePropPage>(sheet); }
CDisplayPropPage* DisplayOf(const CSettingsDlg& sheet) { return PageOf<CDisplayPropPage>(sheet); }
CDblClkPropPage* DblClkOf(const CSettingsDlg& sheet) { return PageOf<CDblClkPropPage>(sheet); }

// A double-click page whose values cannot be taken, as a page with invalid input.
class CRefusingDblClkPage : public CDblClkPropPage {
protected:
    bool DoDataExchange(CDataExchange&) override { return false; }
};

// The program's rows with the double-click page refusing.
std::vector<CSettingsPageRow> RowsWithRefusingPage()
{
    std::vector<CSettingsPageRow> rows = SettingsPages();
    for (CSettingsPageRow& row : rows)
        if (std::string(row.helpTopic) == "ref_dlg_dblclk.html")
            row.make = [](orv::Windows::CAppServices&, orv::CProfile&) -> std::unique_ptr<CSettingsPage> {
                return std::make_unique<CRefusingDblClkPage>();
            };
    return rows;
}

class SettingsDlgTest : public ::testing::Test {
protected:
    SettingsDlgTest() : target((profile.SetPath(kAppPath), profile), host)
    {
        host.SetNow("01.12.2021 12:00:00");
        app.UseHost(host);
        target.options.m_nDblClkCmd = ID_SETTINGS;
        CTerminList live;
        live.Add(At("24.12.2021 18:00:00", true, "Weihnachten"));
        target.model.TakeEdited(live);
    }
    ~SettingsDlgTest() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kAppPath).c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZielmarkTest");
    }

    // Runs `sheet` with `drive` once it shows; returns its result.
    INT_PTR Run(CSettingsDlg& sheet, std::function<void(HWND)> drive)
    {
        AfterDelay(150, [&sheet, drive] { drive(sheet.Handle()); });
        return sheet.Run(target, [](CModalWnd& dialog) { return dialog.DoModal(); });
    }

    CTestHost host;
    CRecordingApp app;
    CPlainWindow owner;
    orv::Windows::CRegistryProfile profile;
    CTestTarget target;
};

}  // namespace

TEST_F(SettingsDlgTest, ApplyHandsAnAddedAppointmentBackAtOnceAndCancelKeepsIt)
{
    CSettingsDlg sheet(app, IDS_SETTINGS_CAPTION, owner.Handle(), 1);
    int openedOn = -1;
    std::string caption;
    std::vector<std::string> liveAfterApply;
    bool applyDisabledAgain = false;
    const INT_PTR result = Run(sheet, [&](HWND window) {
        openedOn = sheet.GetActiveIndex();
        caption = TextOf(window);
        CTerminList& working = TermineOf(sheet)->Termine();
        working.Add(At("02.12.2021 08:00:00", false, "Zahnarzt"));
        working.m_bModified = 1;
        TermineOf(sheet)->MarkChanged(true);
        SendMessageA(window, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);  // at once, not posted
        liveAfterApply = Texts(target.GetTermine());
        applyDisabledAgain = !ApplyEnabled(window);
        PressSheetButton(window, PSBTN_CANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(openedOn, 1);  // as the caller asked; the window asks for 0
    EXPECT_EQ(caption, "Einstellungen");
    const std::vector<std::string> expected{"02.12.2021 08:00:00;0;0;Zahnarzt", "24.12.2021 18:00:00;1;0;Weihnachten"};
    EXPECT_EQ(liveAfterApply, expected);  // sorted, before the sheet closed
    EXPECT_TRUE(applyDisabledAgain);
    EXPECT_EQ(Texts(target.GetTermine()), expected);  // Cancel keeps what Apply gave
    EXPECT_TRUE(target.GetTermine().m_bModified);
}

TEST_F(SettingsDlgTest, CancelWithoutApplyLeavesTheLiveDataAndOkHandsEverythingBack)
{
    const CDisplaySet before = target.image.m_displaySet;
    for (const bool confirm : {false, true}) {
        CSettingsDlg sheet(app, IDS_SETTINGS_CAPTION, owner.Handle());
        Run(sheet, [&](HWND window) {
            DisplayOf(sheet)->DisplaySet().m_nDisplayType = 2;
            DisplayOf(sheet)->SchemaName() = "Abend";
            DisplayOf(sheet)->CustomColors()[3] = 0x00123456;
            DblClkOf(sheet)->SetCommand(ID_APP_EXIT);
            TermineOf(sheet)->Termine().SetSize(0);
            PressSheetButton(window, confirm ? PSBTN_OK : PSBTN_CANCEL);
        });
        if (!confirm) {
            EXPECT_EQ(target.image.m_displaySet, before);
            EXPECT_EQ(target.image.m_schemaName, "");
            EXPECT_EQ(target.taken, 0);
            EXPECT_EQ(target.GetTermine().GetSize(), 1u);
        }
    }
    EXPECT_EQ(target.image.m_displaySet.m_nDisplayType, 2);
    EXPECT_EQ(target.image.m_schemaName, "Abend");
    EXPECT_EQ(target.image.m_customColors[3], 0x00123456u);
    EXPECT_EQ(target.options.m_nDblClkCmd, ID_APP_EXIT);
    EXPECT_TRUE(target.GetTermine().IsEmpty());
}

TEST_F(SettingsDlgTest, ApplyStopsWhenAPageRefusesItsValues)
{
    CSettingsDlg sheet(app, IDS_SETTINGS_CAPTION, owner.Handle(), 0, RowsWithRefusingPage());
    bool stillOpen = false;
    Run(sheet, [&](HWND window) {
        DisplayOf(sheet)->DisplaySet().m_nDisplayType = 0;
        PropSheet_SetCurSel(window, nullptr, IndexOf<CDblClkPropPage>(sheet));  // its window now exists
        PropSheet_SetCurSel(window, nullptr, IndexOf<CTerminePropPage>(sheet));
        SendMessageA(window, WM_COMMAND, ID_APPLY_NOW, 0);
        stillOpen = PropSheet_GetCurrentPageHwnd(window) != nullptr;
        PressSheetButton(window, PSBTN_CANCEL);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(target.image.m_displaySet.m_nDisplayType, 1);  // nothing handed back
    EXPECT_EQ(target.taken, 0);
}

TEST_F(SettingsDlgTest, HelpShowsThePageOfTheActivePage)
{
    CSettingsDlg sheet(app, IDS_SETTINGS_CAPTION, owner.Handle());
    Run(sheet, [&](HWND window) {
        PropSheet_SetCurSel(window, nullptr, IndexOf<CDisplayPropPage>(sheet));
        PostKey(GetFocus(), VK_F1);
        AfterDelay(100, [&sheet, window] {
            PropSheet_SetCurSel(window, nullptr, IndexOf<CDblClkPropPage>(sheet));
            SendMessageA(GetDlgItem(window, IDHELP), BM_CLICK, 0, 0);  // the sheet's "Hilfe"
            PropSheet_SetCurSel(window, nullptr, IndexOf<CTerminePropPage>(sheet));
            SendMessageA(window, WM_COMMAND, ID_HELP, 0);
            PressSheetButton(window, PSBTN_CANCEL);
        });
    });
    EXPECT_EQ(app.topics, (std::vector<std::string>{"ref_dlg_anzeige.html", "ref_dlg_dblclk.html",
                                                    "ref_dlg_termine.html"}));
}

TEST_F(SettingsDlgTest, ApplyMarksEveryPageCleanAndNoHiddenPageTakesTheFocus)
{
    for (int shown = 0; shown < static_cast<int>(SettingsPages().size()); ++shown) {
        CSettingsDlg sheet(app, IDS_SETTINGS_CAPTION, owner.Handle());
        bool applyOn = false;
        bool applyOff = false;
        HWND focused = nullptr;
        HWND expected = nullptr;
        Run(sheet, [&](HWND window) {
            for (int page = 0; page < static_cast<int>(sheet.GetPageCount()); ++page)
                PropSheet_SetCurSel(window, nullptr, page);  // every page window exists
            PropSheet_SetCurSel(window, nullptr, shown);
            const HWND page = PropSheet_GetCurrentPageHwnd(window);
            expected = GetNextDlgTabItem(page, nullptr, FALSE);
            SetFocus(expected);
            for (size_t i = 0; i < sheet.GetPageCount(); ++i)
                sheet.GetSettingsPage(i)->MarkChanged(true);
            applyOn = ApplyEnabled(window);
            SendMessageA(window, WM_COMMAND, ID_APPLY_NOW, 0);  // a click would move the focus
            applyOff = !ApplyEnabled(window);
            focused = GetFocus();
            PressSheetButton(window, PSBTN_CANCEL);
        });
        EXPECT_TRUE(applyOn) << "page " << shown;
        EXPECT_TRUE(applyOff) << "page " << shown;
        EXPECT_EQ(focused, expected) << "page " << shown;
    }
}

namespace {

// A page of the test's own on a borrowed template: it edits the frame option alone.
class CFramePage : public CSettingsPage {
public:
    CFramePage() : CSettingsPage(IDD_DBLCLK_PAGE) {}
    void TakeIn(const CSettingsData& settings) override { border = settings.m_options.m_bBorder; }
    void GiveBack(CSettingsData& settings) const override { settings.m_options.m_bBorder = border; }
    bool border = false;
};

}  // namespace

TEST_F(SettingsDlgTest, ARowMoreIsAPageMoreWithItsValuesAndItsHelp)
{
    std::vector<CSettingsPageRow> rows = SettingsPages();
    rows.push_back({[](orv::Windows::CAppServices&, orv::CProfile&) -> std::unique_ptr<CSettingsPage> {
                        return std::make_unique<CFramePage>();
                    },
                    "ref_dlg_rahmen.html"});
    target.options.m_bBorder = true;
    const int last = static_cast<int>(rows.size()) - 1;
    CSettingsDlg sheet(app, IDS_SETTINGS_CAPTION, owner.Handle(), last, rows);
    bool tookIn = false;
    int shown = -1;
    Run(sheet, [&](HWND window) {
        auto* page = static_cast<CFramePage*>(sheet.GetSettingsPage(static_cast<size_t>(last)));
        tookIn = page->border;
        page->border = false;
        shown = sheet.GetActiveIndex();
        SendMessageA(window, WM_COMMAND, ID_HELP, 0);
        PressSheetButton(window, PSBTN_OK);
    });
    EXPECT_EQ(shown, last);
    EXPECT_TRUE(tookIn);
    EXPECT_FALSE(target.options.m_bBorder);
    EXPECT_EQ(target.options.m_nDblClkCmd, ID_SETTINGS);  // the other pages gave theirs back unchanged
    EXPECT_EQ(Texts(target.GetTermine()), (std::vector<std::string>{"24.12.2021 18:00:00;1;0;Weihnachten"}));
    EXPECT_EQ(app.topics, (std::vector<std::string>{"ref_dlg_rahmen.html"}));
}

TEST_F(SettingsDlgTest, OpenedInTheLowerRightCornerTheSheetTouchesTheWorkAreaEdgesAndIsTopmost)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const int width = monitor.rcWork.right;
    const int height = monitor.rcWork.bottom;
    SetCursorPos(width - 3, height - 3);
    CSettingsDlg sheet(app, IDS_SETTINGS_CAPTION, owner.Handle());
    RECT placed{};
    bool topmost = false;
    Run(sheet, [&](HWND window) {
        GetWindowRect(window, &placed);
        topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        SaveScreenshot(window, "settings-termine-corner");
        PressSheetButton(window, PSBTN_CANCEL);
    });
    EXPECT_EQ(placed.right, width);
    EXPECT_EQ(placed.bottom, height);
    EXPECT_TRUE(topmost);
}

TEST_F(SettingsDlgTest, AppointmentsHandledWhileOpenAreNotHandedBackUnhandled)
{
    CTerminList live;
    live.Add(At("01.12.2021 12:30:00", false, "Einmal"));
    live.Add(At("01.12.2021 12:40:00", true, "Jährlich"));
    live.Add(At("01.12.2021 12:50:00", false, "Bearbeitet"));
    live.Add(At("24.12.2021 18:00:00", true, "Weihnachten"));
    target.model.TakeEdited(live);
    target.model.StartRecordingHandled();
    CSettingsDlg sheet(app, IDS_SETTINGS_CAPTION, owner.Handle());
    std::vector<std::string> announced;
    Run(sheet, [&](HWND window) {
        // The user edits one entry while the due handling goes on with the live list.
        TermineOf(sheet)->Termine()[2].m_strDescription = "Verschoben";
        host.SetNow("01.12.2021 13:00:00");
        CDueTermin due;
        while (target.model.HandleDue(host.Now(), due))  // one per box, as the timer window does
            announced.push_back(due.announced.FormatText(host));
        PressSheetButton(window, PSBTN_OK);
    });
    target.model.StopRecordingHandled();
    EXPECT_EQ(announced.size(), 3u);
    EXPECT_EQ(Texts(target.GetTermine()),
              (std::vector<std::string>{"01.12.2021 12:50:00;0;0;Verschoben", "24.12.2021 18:00:00;1;0;Weihnachten",
                                        "01.12.2022 12:40:00;1;0;Jährlich"}));
}

TEST_F(SettingsDlgTest, ManyRunsWithEditsLeaveNoDrawingObjectOrWindowBehind)
{
    const auto cycle = [&](int run) {
        CSettingsDlg sheet(app, IDS_SETTINGS_CAPTION, owner.Handle());
        Run(sheet, [&sheet, run](HWND window) {
            DisplayOf(sheet)->DisplaySet().m_nFadingStep = 1 + run % 150;
            PropSheet_SetCurSel(window, nullptr, run % 3);  // every page's window comes and goes
            TermineOf(sheet)->Termine().Add(At("24.12.2022 18:00:00", run % 2 == 0, "Lauf"));
            if (run % 3 == 0)
                SendMessageA(window, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
            PressSheetButton(window, run % 3 == 1 ? PSBTN_CANCEL : PSBTN_OK);
        });
    };
    // The first runs fill the system's caches (fonts, brushes of the controls' classes): about
    // six objects within twenty runs, then nothing more.
    for (int run = 0; run < 25; ++run)
        cycle(run);
    const DWORD gdiBefore = GdiObjectCount();
    const size_t windowsBefore = ThreadWindowCount();
    for (int run = 25; run < 65; ++run)
        cycle(run);
    std::printf("GDI objects %lu before and %lu after 40 runs; windows %zu and %zu\n",
                static_cast<unsigned long>(gdiBefore), static_cast<unsigned long>(GdiObjectCount()),
                windowsBefore, ThreadWindowCount());
    EXPECT_EQ(GdiObjectCount(), gdiBefore);
    EXPECT_EQ(ThreadWindowCount(), windowsBefore);
    // Every run that was not cancelled handed back one more appointment.
    size_t kept = 1;  // Weihnachten
    for (int run = 0; run < 65; ++run)
        kept += run % 3 == 1 ? 0 : 1;
    EXPECT_EQ(target.GetTermine().GetSize(), kept);
}
