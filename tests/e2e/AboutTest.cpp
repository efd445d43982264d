// "I&nfo ..." from the right-click menu: the About dialog over the running timer window, with
// the version line of the exe, its legal notice and every appointment nearest first.
#include "ContextMenu.h"
#include "E2eFixture.h"
#include "RemoteList.h"
#include "ScreenCapture.h"

namespace e2e {
namespace {

TEST_F(ZielmarkTest, InfoListsEveryAppointmentNearestFirstWithTheExesVersion)
{
    const Date today = Today();
    AppRegistry::SetString("Termine", "t000", GermanDateTime(AddDays(today, 40), 18, 0, 0) + ";1;1;Geburtstag");
    AppRegistry::SetString("Termine", "t001", GermanDateTime(AddDays(today, 3), 8, 0, 0) + ";0;0;Urlaub");
    AppRegistry::SetString("Termine", "t002", GermanDateTime(AddDays(today, 10), 12, 0, 0) + ";0;2;Feier");
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    HWND about = OpenInfo(Run(), timer);
    ASSERT_NE(about, nullptr);
    Sleep(Patience(300));  // let it paint
    EXPECT_TRUE(ScreenImage::Capture(WindowRect(about)).SaveBmp(ScreenshotFolder() + "\\about.bmp"));

    char title[64] = "";
    GetWindowTextA(about, title, sizeof(title));
    EXPECT_STREQ(title, "Info");
    EXPECT_EQ(ControlText(about, 1002).rfind("Zielmark", 0), 0u) << ControlText(about, 1002);
    EXPECT_NE(ControlText(about, 1002).find(" v1."), std::string::npos);
    EXPECT_EQ(ControlText(about, 1003), "Copyright \xA9 2026 Orvanta");
    const std::vector<std::string> rows = ListRows(GetDlgItem(about, 1004), 2);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_NE(rows[0].find("|bis Urlaub"), std::string::npos) << rows[0];
    EXPECT_NE(rows[1].find("|bis zur Feier"), std::string::npos) << rows[1];
    EXPECT_NE(rows[2].find("|bis zum Geburtstag"), std::string::npos) << rows[2];
    // Ten days ahead at noon: 9 or 10 whole days left, depending on the time of the run.
    EXPECT_TRUE(rows[1].rfind("9T ", 0) == 0 || rows[1].rfind("10T ", 0) == 0) << rows[1];

    // The window goes on counting while the dialog is open; Esc closes it.
    EXPECT_FALSE(IsWindowEnabled(timer));
    PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 3000));
    EXPECT_TRUE(IsWindowEnabled(timer));
    EXPECT_TRUE(CloseByMessage(timer));
}

}  // namespace
}  // namespace e2e
