// The colour buttons and samples as drawn on the screen, and their drawing objects.
#include "DisplayPageTestSupport.h"

#include "res/resource.h"

#include <iostream>

namespace {

SIZE ClientSize(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    return SIZE{rect.right, rect.bottom};
}

void Repaint(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

TEST_F(DisplayPageTest, ButtonWithoutColourShowsTheButtonFaceInsideItsBlackFrame)
{
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    // Stored settings never hold "no colour"; the page's buttons can still be given it.
    CDisplaySet noTextColour = SettingsOf("1;0x00FFFFFF;0x00000000;0;0x00804000;0x00FF0000;4");
    noTextColour.m_crTextColor = 0xFF000000;
    AddPage(sheet, noTextColour);
    RunSheet(sheet, [&](HWND window, HWND page) {
        const HWND button = GetDlgItem(page, IDC_TEXT_COLOR);
        EXPECT_NE(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, 0);
        const SIZE size = ClientSize(button);
        EXPECT_EQ(ClientPixel(button, 3, size.cy / 2), 0x00000000u);
        EXPECT_EQ(ClientPixel(button, size.cx / 2, size.cy / 2), GetSysColor(COLOR_BTNFACE));
        EXPECT_EQ(ClientPixel(button, size.cx - 4, size.cy / 2), 0x00000000u);
        // A real colour fills the same place.
        const HWND start = GetDlgItem(page, IDC_START_COLOR);
        EXPECT_EQ(ClientPixel(start, ClientSize(start).cx / 2, ClientSize(start).cy / 2), 0x00804000u);
        PressSheetButton(window, PSBTN_CANCEL);
    });
}

TEST_F(DisplayPageTest, DisabledColourButtonShowsOnlyAnEngravedFrame)
{
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    AddPage(sheet, SettingsOf("1;0x00FFFFFF;0x000000FF;1;0x00804000;0x00FF0000;4"));
    RunSheet(sheet, [&](HWND window, HWND page) {
        const HWND button = GetDlgItem(page, IDC_BACK_COLOR);
        ASSERT_FALSE(IsWindowEnabled(button));
        const SIZE size = ClientSize(button);
        EXPECT_FALSE(ClientHasColor(button, 0x000000FF));
        EXPECT_FALSE(ClientHasColor(button, 0x00000000));
        EXPECT_EQ(ClientPixel(button, 3, size.cy / 2), GetSysColor(COLOR_BTNSHADOW));
        EXPECT_EQ(ClientPixel(button, size.cx - 4, size.cy / 2), GetSysColor(COLOR_BTNHIGHLIGHT));
        // Enabled again, the colour is back.
        SendMessageA(GetDlgItem(page, IDC_TRANSPARENT), BM_CLICK, 0, 0);
        EXPECT_TRUE(ClientHasColor(button, 0x000000FF));
        PressSheetButton(window, PSBTN_CANCEL);
    });
}

TEST_F(DisplayPageTest, FadingSampleRunsFromStartToEndColourAndGreysWhenDisabled)
{
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    AddPage(sheet, SettingsOf("1;0x00FFFFFF;0x00000000;1;0x00000000;0x00FFFFFF;4"));
    RunSheet(sheet, [&](HWND window, HWND page) {
        const HWND fading = GetDlgItem(page, IDC_FADING_SAMPLE);
        const SIZE size = ClientSize(fading);
        EXPECT_EQ(ClientPixel(fading, 0, size.cy / 2), 0x00000000u);
        const COLORREF middle = ClientPixel(fading, size.cx / 2, size.cy / 2);
        EXPECT_GT(GetRValue(middle), 0x60);
        EXPECT_LT(GetRValue(middle), 0xA0);
        EXPECT_GT(GetRValue(ClientPixel(fading, size.cx - 1, size.cy / 2)), 0xF0);

        EnableWindow(fading, FALSE);
        EXPECT_EQ(ClientPixel(fading, size.cx / 2, size.cy / 2), GetSysColor(COLOR_BTNFACE));
        const HWND sample = GetDlgItem(page, IDC_SAMPLE);
        EnableWindow(sample, FALSE);
        EXPECT_EQ(ClientPixel(sample, 1, 1), GetSysColor(COLOR_BTNFACE));
        EXPECT_TRUE(ClientHasColor(sample, GetSysColor(COLOR_GRAYTEXT)));
        PressSheetButton(window, PSBTN_CANCEL);
    });
}

TEST_F(DisplayPageTest, SampleTextWiderThanTheSampleKeepsItsBeginningInView)
{
    // On a dense screen the text can outgrow its control; centred, its start would be cut off.
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    AddPage(sheet, SettingsOf("1;0x00FFFFFF;0x00000000;0;0x00804000;0x00FF0000;4"));
    RunSheet(sheet, [&](HWND window, HWND page) {
        const HWND sample = GetDlgItem(page, IDC_SAMPLE);
        ASSERT_EQ(GetWindowLongA(sample, GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
        SetWindowTextA(sample, ("I" + std::string(400, ' ')).c_str());
        Repaint(sample);
        const SIZE size = ClientSize(sample);
        const COLORREF back = ClientPixel(sample, size.cx - 2, size.cy / 2);
        bool ink = false;
        for (int x = 0; x < 8; ++x) {
            for (int y = 0; y < size.cy; ++y)
                ink = ink || ClientPixel(sample, x, y) != back;
        }
        EXPECT_TRUE(ink) << "the text's first letter is not at the left edge";
        PressSheetButton(window, PSBTN_CANCEL);
    });
}

TEST_F(DisplayPageTest, TwoHundredRepaintsLeaveNoDrawingObjectBehind)
{
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    AddPage(sheet, SettingsOf("2;0x00FFFFFF;0x000000FF;0;0x00804000;0x00FF0000;4"));
    RunSheet(sheet, [&](HWND window, HWND page) {
        const std::vector<HWND> controls{GetDlgItem(page, IDC_SAMPLE), GetDlgItem(page, IDC_FADING_SAMPLE),
                                         GetDlgItem(page, IDC_TEXT_COLOR), GetDlgItem(page, IDC_BACK_COLOR),
                                         GetDlgItem(page, IDC_START_COLOR), GetDlgItem(page, IDC_END_COLOR)};
        const auto repaintAll = [&](int times) {
            for (int i = 0; i < times; ++i)
                for (HWND control : controls)
                    Repaint(control);
        };
        repaintAll(5);  // whatever the system caches on a first paint
        const DWORD before = GdiObjectCount();
        repaintAll(100);
        // The other half with the background button disabled and the sample in the start colour.
        SendMessageA(GetDlgItem(page, IDC_TRANSPARENT), BM_CLICK, 0, 0);
        repaintAll(100);
        SendMessageA(GetDlgItem(page, IDC_TRANSPARENT), BM_CLICK, 0, 0);
        const DWORD after = GdiObjectCount();
        std::cout << "GDI objects before " << before << ", after 200 repaints of " << controls.size()
                  << " controls: " << after << "\n";
        EXPECT_GT(before, 0u);
        EXPECT_EQ(after, before);
        PressSheetButton(window, PSBTN_CANCEL);
    });
}
