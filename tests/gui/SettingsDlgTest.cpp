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
        texts.push_back(list[i].FormatText());
    return texts;
}

// The timer window's side of the sheet: a real appointment model, the look and the options.
class CTestTarget : public CSettingsTarget {
public:
    CTestTarget(orv::CProfile& profile, const CCoreHost& host) : model(profile, host), m_profile(profile) {}
    const CTerminList& GetTermine() const override { return model.GetTermine(); }
    void SetTermine(const CTerminList& edited) override { model.TakeEdited(edited); }
    CImageSettings GetImage() const override { return image; }
    void SetImage(const CImageSettings& taken) override { image = taken; }
    orv::CProfile& Profile() override { return m_profile; }
    CTimerOptions GetOptions() const override { return options; }
    void SetOptions(const CTimerOptions& taken) override
    {
        options = taken;
        ++optionsTaken;
    }

    CTerminModel model;
    CImageSettings image;
    CTimerOptions options;
    int optionsTaken = 0;

private:
    orv::CProfile& m_profile;
};

// The sheet's pages while it runs, in their fixed order.
CTerminePropPage* TermineOf(const CSettingsDlg& sheet)
{
    return static_cast<CTerminePropPage*>(sheet.GetPage(CSettingsDlg::kPageTermine));
}
CDisplayPropPage* DisplayOf(const CSettingsDlg& sheet)
{
    return static_cast<CDisplayPropPage*>(sheet.GetPage(CSettingsDlg::kPageDisplay));
}
CDblClkPropPage* DblClkOf(const CSettingsDlg& sheet)
{
    return static_cast<CDblClkPropPage*>(sheet.GetPage(CSettingsDlg::kPageDblClk));
}

// A double-click page whose values cannot be taken, as a page with invalid input.
class CRefusingDblClkPage : public CDblClkPropPage {
protected:
    bool DoDataExchange(CDataExchange&) override { return false; }
};

class CSheetWithRefusingPage : public CSettingsDlg {
public:
    using CSettingsDlg::CSettingsDlg;

protected:
    std::unique_ptr<CDblClkPropPage> MakeDblClkPage() override { return std::make_unique<CRefusingDblClkPage>(); }
};

class SettingsDlgTest : public ::testing::Test {
protected:
    SettingsDlgTest() : target((profile.SetPath(kAppPath), profile), host)
    {
        host.SetNow("01.12.2021 12:00:00");
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
        AfterDelay(150, [&sheet, drive] { drive(sheet.GetSafeHwnd()); });
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
    CSettingsDlg sheet(app, IDS_SETTINGS_CAPTION, owner.Handle(), CSettingsDlg::kPageDisplay);
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
        TermineOf(sheet)->MarkModified(true);
        SendMessageA(window, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);  // at once, not posted
        liveAfterApply = Texts(target.GetTermine());
        applyDisabledAgain = !ApplyEnabled(window);
        PressSheetButton(window, PSBTN_CANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(openedOn, CSettingsDlg::kPageDisplay);  // as the caller asked; the window asks for 0
    EXPECT_EQ(caption, "Einstellungen");
    const std::vector<std::string> expected{"02.12.2021 08:00:00;0;0;Zahnarzt", "24.12.2021 18:00:00;1;0;Weihnachten"};
    EXPECT_EQ(liveAfterApply, expected);  // sorted, before the sheet closed
    EXPECT_TRUE(applyDisabledAgain);
    EXPECT_EQ(Texts(target.GetTermine()), expected);  // Cancel keeps what Apply gave
    EXPECT_TRUE(target.GetTermine().m_bModified);
}

TEST_F(SettingsDlgTest, CancelWithoutApplyLeavesTheLiveDataAndOkHandsEverythingBack)
{
    const CDisplaySet before = target.GetImage().m_displaySet;
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
            EXPECT_EQ(target.GetImage().m_displaySet, before);
            EXPECT_EQ(target.GetImage().m_schemaName, "");
            EXPECT_EQ(target.optionsTaken, 0);
            EXPECT_EQ(target.GetTermine().GetSize(), 1u);
        }
    }
    EXPECT_EQ(target.GetImage().m_displaySet.m_nDisplayType, 2);
    EXPECT_EQ(target.GetImage().m_schemaName, "Abend");
    EXPECT_EQ(target.GetImage().m_customColors[3], 0x00123456u);
    EXPECT_EQ(target.options.m_nDblClkCmd, ID_APP_EXIT);
    EXPECT_TRUE(target.GetTermine().IsEmpty());
}

TEST_F(SettingsDlgTest, ApplyStopsWhenAPageRefusesItsValues)
{
    CSheetWithRefusingPage sheet(app, IDS_SETTINGS_CAPTION, owner.Handle());
    bool stillOpen = false;
    Run(sheet, [&](HWND window) {
        DisplayOf(sheet)->DisplaySet().m_nDisplayType = 0;
        PropSheet_SetCurSel(window, nullptr, CSettingsDlg::kPageDblClk);  // its window now exists
        PropSheet_SetCurSel(window, nullptr, CSettingsDlg::kPageTermine);
        SendMessageA(window, WM_COMMAND, ID_APPLY_NOW, 0);
        stillOpen = PropSheet_GetCurrentPageHwnd(window) != nullptr;
        PressSheetButton(window, PSBTN_CANCEL);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(target.GetImage().m_displaySet.m_nDisplayType, 1);  // nothing handed back
    EXPECT_EQ(target.optionsTaken, 0);
}

TEST_F(SettingsDlgTest, HelpShowsThePageOfTheActivePage)
{
    CSettingsDlg sheet(app, IDS_SETTINGS_CAPTION, owner.Handle());
    Run(sheet, [&](HWND window) {
        PropSheet_SetCurSel(window, nullptr, CSettingsDlg::kPageDisplay);
        PostKey(GetFocus(), VK_F1);
        AfterDelay(100, [&sheet, window] {
            PropSheet_SetCurSel(window, nullptr, CSettingsDlg::kPageDblClk);
            SendMessageA(GetDlgItem(window, IDHELP), BM_CLICK, 0, 0);  // the sheet's "Hilfe"
            PropSheet_SetCurSel(window, nullptr, CSettingsDlg::kPageTermine);
            SendMessageA(window, WM_COMMAND, ID_HELP, 0);
            PressSheetButton(window, PSBTN_CANCEL);
        });
    });
    EXPECT_EQ(app.topics, (std::vector<std::string>{"ref_dlg_anzeige.html", "ref_dlg_dblclk.html",
                                                    "ref_dlg_termine.html"}));
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
            announced.push_back(due.announced.FormatText());
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
