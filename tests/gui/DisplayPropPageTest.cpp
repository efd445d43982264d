// The page "Anzeige" as a user meets it: styles and samples, Transparent, colours, the speed
// slider, and schemes that reach the registry at once.
#include "DisplayPageTestSupport.h"

#include "platform/ResourceText.h"
#include "res/resource.h"

namespace {

constexpr char kDefaults[] = "1;0x00FFFFFF;0x00000000;1;0x00804000;0x00FF0000;4";
constexpr char kAbend[] = "2;0x0000FFFF;0x00400000;0;0x00000080;0x000000FF;20";
constexpr char kMorgen[] = "0;0x00000000;0x00FFFFFF;1;0x0000FF00;0x00FFFF00;100";

HWND Item(HWND page, int id)
{
    return GetDlgItem(page, id);
}

int Selection(HWND combo)
{
    return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
}

std::string SelectedText(HWND combo)
{
    const int index = Selection(combo);
    if (index < 0)
        return {};
    char text[512] = "";
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

std::string TabText(HWND sheet, int index)
{
    char text[128] = "";
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(PropSheet_GetTabControl(sheet), TCM_GETITEMA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    return text;
}

bool Enabled(HWND window)
{
    return IsWindowEnabled(window) != FALSE;
}

}  // namespace

TEST_F(DisplayPageTest, OpensUnmodifiedWithControlsFromTheSettings)
{
    WriteScheme("Abend", kAbend);
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    AddPage(sheet, SettingsOf(kAbend), "Abend");
    RunSheet(sheet, [&](HWND window, HWND page) {
        EXPECT_EQ(TabText(window, 0), "Anzeige");
        EXPECT_EQ(Selection(Item(page, IDC_DISPLAY_TYPE)), 2);
        EXPECT_EQ(SendMessageA(Item(page, IDC_DISPLAY_TYPE), CB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(TextOf(Item(page, IDC_SAMPLE)), LoadResourceText(1525));
        EXPECT_EQ(SendMessageA(Item(page, IDC_TRANSPARENT), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_TRUE(Enabled(Item(page, IDC_BACK_COLOR)));
        EXPECT_EQ(SendMessageA(Item(page, IDC_FADING_SPEED), TBM_GETPOS, 0, 0), 20);
        EXPECT_EQ(SendMessageA(Item(page, IDC_FADING_SPEED), TBM_GETRANGEMIN, 0, 0), 1);
        EXPECT_EQ(SendMessageA(Item(page, IDC_FADING_SPEED), TBM_GETRANGEMAX, 0, 0), 150);
        EXPECT_EQ(SelectedText(Item(page, IDC_SCHEMES)), "Abend");
        EXPECT_TRUE(Enabled(Item(page, IDC_SCHEME_DELETE)));
        EXPECT_EQ(GetFocus(), Item(page, IDC_DISPLAY_TYPE));
        // Setting the controls from the settings is no change by hand.
        EXPECT_FALSE(ApplyEnabled(window));
        PressSheetButton(window, PSBTN_CANCEL);
    });
}

TEST_F(DisplayPageTest, ErweitertShowsTheLongSampleAndLeavesTheScheme)
{
    WriteScheme("Abend", kDefaults);
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDisplayPropPage* page = AddPage(sheet, SettingsOf(kDefaults), "Abend");
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        const HWND styles = Item(pageWindow, IDC_DISPLAY_TYPE);
        EXPECT_EQ(TextOf(Item(pageWindow, IDC_SAMPLE)), "23T 12:47:05 bis Weihnachten");
        SendMessageA(styles, CB_SETCURSEL, 2, 0);
        Notify(styles, CBN_SELCHANGE);
        EXPECT_EQ(TextOf(Item(pageWindow, IDC_SAMPLE)),
                  "Es sind noch 23 Tage, 12 Stunden, 47 Minuten und 5 Sekunden bis...");
        EXPECT_EQ(page->DisplaySet().m_nDisplayType, 2);
        EXPECT_EQ(Selection(Item(pageWindow, IDC_SCHEMES)), -1);
        EXPECT_FALSE(Enabled(Item(pageWindow, IDC_SCHEME_DELETE)));
        EXPECT_EQ(page->SchemaName(), "");
        EXPECT_TRUE(ApplyEnabled(window));
        EXPECT_TRUE(SaveScreenshot(window, "display_page_erweitert"));
        PressSheetButton(window, PSBTN_OK);
    });
}

TEST_F(DisplayPageTest, TransparentSwitchesTheBackgroundButtonAndTheSampleBackground)
{
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDisplayPropPage* page = AddPage(sheet, SettingsOf("1;0x00FFFFFF;0x000000C0;0;0x00008000;0x00FF0000;4"));
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        const HWND sample = Item(pageWindow, IDC_SAMPLE);
        EXPECT_EQ(ClientPixel(sample, 1, 1), 0x000000C0u);
        EXPECT_TRUE(SaveScreenshot(window, "display_page_transparent_off"));

        Click(Item(pageWindow, IDC_TRANSPARENT));
        EXPECT_EQ(page->DisplaySet().m_bTransparent, 1);
        EXPECT_FALSE(Enabled(Item(pageWindow, IDC_BACK_COLOR)));
        EXPECT_EQ(ClientPixel(sample, 1, 1), 0x00008000u);
        EXPECT_TRUE(ApplyEnabled(window));
        EXPECT_TRUE(SaveScreenshot(window, "display_page_transparent_on"));

        // A new start colour is the new sample background while Transparent is on.
        WhenOtherDialogOpens(window, [](HWND dialog) { PickColor(dialog, RGB(0x20, 0x40, 0x60)); });
        Click(Item(pageWindow, IDC_START_COLOR));
        EXPECT_EQ(page->DisplaySet().m_crStartColor, RGB(0x20, 0x40, 0x60));
        EXPECT_EQ(ClientPixel(sample, 1, 1), RGB(0x20, 0x40, 0x60));

        Click(Item(pageWindow, IDC_TRANSPARENT));
        EXPECT_EQ(page->DisplaySet().m_bTransparent, 0);
        EXPECT_TRUE(Enabled(Item(pageWindow, IDC_BACK_COLOR)));
        EXPECT_EQ(ClientPixel(sample, 1, 1), 0x000000C0u);
        PressSheetButton(window, PSBTN_CANCEL);
    });
}

TEST_F(DisplayPageTest, ColourDialogStartsAtTheButtonColourAndCancelChangesNothing)
{
    WriteScheme("Abend", kDefaults);
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDisplayPropPage* page = AddPage(sheet, SettingsOf(kDefaults), "Abend");
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        UINT shownRed = 0;
        WhenOtherDialogOpens(window, [&](HWND dialog) {
            shownRed = GetDlgItemInt(dialog, 706, nullptr, FALSE);
            SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
        });
        Click(Item(pageWindow, IDC_TEXT_COLOR));
        EXPECT_EQ(shownRed, 255u);
        EXPECT_EQ(page->DisplaySet().m_crTextColor, 0x00FFFFFFu);
        EXPECT_EQ(page->SchemaName(), "Abend");
        EXPECT_FALSE(ApplyEnabled(window));
        EXPECT_FALSE(ClientHasColor(Item(pageWindow, IDC_SAMPLE), RGB(0xFF, 0xFF, 0)));

        WhenOtherDialogOpens(window, [](HWND dialog) { PickColor(dialog, RGB(0xFF, 0xFF, 0)); });
        Click(Item(pageWindow, IDC_TEXT_COLOR));
        EXPECT_EQ(page->DisplaySet().m_crTextColor, RGB(0xFF, 0xFF, 0));
        EXPECT_TRUE(ClientHasColor(Item(pageWindow, IDC_SAMPLE), RGB(0xFF, 0xFF, 0)));  // the text
        EXPECT_EQ(page->SchemaName(), "");
        EXPECT_EQ(Selection(Item(pageWindow, IDC_SCHEMES)), -1);
        EXPECT_TRUE(ApplyEnabled(window));
        PressSheetButton(window, PSBTN_CANCEL);
    });
}

TEST_F(DisplayPageTest, SliderIsTakenOnlyWhenTheThumbIsReleased)
{
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDisplayPropPage* page = AddPage(sheet, SettingsOf(kDefaults));
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        const HWND slider = Item(pageWindow, IDC_FADING_SPEED);
        RECT thumb{};
        SendMessageA(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        RECT client{};
        GetClientRect(slider, &client);
        const int y = (thumb.top + thumb.bottom) / 2;
        SendMessageA(slider, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM((thumb.left + thumb.right) / 2, y));
        SendMessageA(slider, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.right + 40, y));
        EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 150);
        EXPECT_EQ(page->DisplaySet().m_nFadingStep, 4);
        EXPECT_FALSE(ApplyEnabled(window));
        SendMessageA(slider, WM_LBUTTONUP, 0, MAKELPARAM(client.right + 40, y));
        EXPECT_EQ(page->DisplaySet().m_nFadingStep, 150);
        EXPECT_TRUE(ApplyEnabled(window));

        // The keyboard ends its move with the key's release.
        SetFocus(slider);
        SendMessageA(slider, WM_KEYDOWN, VK_HOME, 0);
        EXPECT_EQ(page->DisplaySet().m_nFadingStep, 150);
        SendMessageA(slider, WM_KEYUP, VK_HOME, 0xC0000001);
        EXPECT_EQ(page->DisplaySet().m_nFadingStep, 1);
        PressSheetButton(window, PSBTN_CANCEL);
    });
}

TEST_F(DisplayPageTest, ShortSchemeNameSelectsTheFirstSchemeItBegins)
{
    WriteScheme("Abend", kAbend);
    WriteScheme("Morgen", kMorgen);
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDisplayPropPage* page = AddPage(sheet, SettingsOf(kDefaults), "Ab");
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        EXPECT_EQ(SelectedText(Item(pageWindow, IDC_SCHEMES)), "Abend");
        EXPECT_TRUE(Enabled(Item(pageWindow, IDC_SCHEME_DELETE)));
        // Only shown: the settings are not the scheme's, and the name stays as it was.
        EXPECT_EQ(page->DisplaySet().FormatText(), kDefaults);
        EXPECT_EQ(page->SchemaName(), "Ab");
        PressSheetButton(window, PSBTN_CANCEL);
    });
}

TEST_F(DisplayPageTest, ChoosingASchemeTakesItsSettings)
{
    WriteScheme("Abend", kAbend);
    WriteScheme("Morgen", kMorgen);
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    CDisplayPropPage* page = AddPage(sheet, SettingsOf(kDefaults));
    RunSheet(sheet, [&](HWND window, HWND pageWindow) {
        const HWND schemes = Item(pageWindow, IDC_SCHEMES);
        EXPECT_EQ(Selection(schemes), -1);
        EXPECT_FALSE(Enabled(Item(pageWindow, IDC_SCHEME_DELETE)));
        SendMessageA(schemes, CB_SETCURSEL, 1, 0);
        Notify(schemes, CBN_SELCHANGE);
        EXPECT_EQ(page->DisplaySet().FormatText(), kMorgen);
        EXPECT_EQ(page->SchemaName(), "Morgen");
        EXPECT_EQ(Selection(Item(pageWindow, IDC_DISPLAY_TYPE)), 0);
        EXPECT_EQ(SendMessageA(Item(pageWindow, IDC_TRANSPARENT), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(SendMessageA(Item(pageWindow, IDC_FADING_SPEED), TBM_GETPOS, 0, 0), 100);
        EXPECT_TRUE(Enabled(Item(pageWindow, IDC_SCHEME_DELETE)));
        EXPECT_TRUE(ApplyEnabled(window));
        PressSheetButton(window, PSBTN_OK);
    });
    EXPECT_EQ(page->SchemaName(), "Morgen");
}
