// Appointments whose moment has passed: the message, removal or yearly roll-over, and saving
// the changed list at the end of a Windows session.
#include "E2eFixture.h"
#include "ScreenCapture.h"
#include "UserInput.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace e2e {
namespace {

constexpr DWORD kMessageTimeoutMs = 5000;
// A few repaints of the timer window (one about every 120 ms).
constexpr DWORD kQuietMs = 400;
// The static text control of a message box.
constexpr int kMessageTextId = 0xFFFF;

// A yearly appointment must not sit on 29 February: the following year may not have that day.
Date NotOnLeapDay(Date date)
{
    if (date.month == 2 && date.day == 29)
        date.day = 28;
    return date;
}

Date Yesterday()
{
    return NotOnLeapDay(AddDays(Today(), -1));
}

Date YearsLater(Date date, int years)
{
    date.year += years;
    return date;
}

std::string DueMessage(const std::string& description, const Date& date)
{
    return description + "!\n(" + GermanDateTime(date, 12, 34, 56) + ")";
}

// Clicks the OK button of a message box and waits until the box has gone.
bool Confirm(HWND box)
{
    HWND ok = GetDlgItem(box, IDOK);
    if (!ok)
        return false;
    Click(CenterOf(WindowRect(ok)));
    return WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 3000);
}

// Waits for a message box owned by the timer window and returns the one a click on OK would
// reach. Due messages open on top of each other at the same place, one per repaint, so the
// boxes are counted until no further one has come for a few repaints.
HWND WaitForTopMessage(ProgramRun& run, HWND timer, DWORD timeoutMs)
{
    HWND box = run.WaitForWindowOf("#32770", timer, timeoutMs);
    if (!box)
        return nullptr;
    size_t count = 0;
    do {
        count = run.FindWindowsOf("#32770", timer).size();
    } while (WaitUntil([&] { return run.FindWindowsOf("#32770", timer).size() != count; }, kQuietMs));
    box = run.FindWindowOf("#32770", timer);
    HWND ok = box ? GetDlgItem(box, IDOK) : nullptr;
    if (!ok)
        return box;
    HWND hit = GetAncestor(WindowFromPoint(CenterOf(WindowRect(ok))), GA_ROOT);
    if (hit && ClassOf(hit) == "#32770" && GetWindow(hit, GW_OWNER) == timer)
        return hit;
    return box;
}

// Confirms the due messages the timer window shows, each once, until none has come for a
// short while; returns their texts in the order they were confirmed.
std::vector<std::string> ConfirmDueMessages(ProgramRun& run, HWND timer,
                                            DWORD firstWaitMs = kMessageTimeoutMs)
{
    std::vector<std::string> texts;
    DWORD wait = firstWaitMs;
    while (HWND box = WaitForTopMessage(run, timer, wait)) {
        EXPECT_EQ(GetWindow(box, GW_OWNER), timer);
        texts.push_back(ControlText(box, kMessageTextId));
        if (!Confirm(box)) {
            ADD_FAILURE() << "the message \"" << texts.back() << "\" does not close with OK";
            break;
        }
        wait = kQuietMs;  // a further due appointment shows its message at a later paint
    }
    return texts;
}

// The program writes the date in the locale's short form, which may leave out leading zeros
// ("7.12.2027"); the day, month and year are what counts, so they are brought to dd.mm.yyyy.
std::string NormalizedTermin(const std::string& text)
{
    Date date{};
    int hour = 0, minute = 0, second = 0, used = 0;
    if (std::sscanf(text.c_str(), "%d.%d.%d %d:%d:%d%n", &date.day, &date.month, &date.year, &hour,
                    &minute, &second, &used) != 6)
        return text;
    return GermanDateTime(date, hour, minute, second) + text.substr(static_cast<size_t>(used));
}

// The section Termine as "name=value" lines, in name order.
std::vector<std::string> StoredTermine()
{
    std::vector<std::string> values;
    for (const std::string& name : AppRegistry::ValueNames("Termine")) {
        const auto value = AppRegistry::Get("Termine", name);
        values.push_back(name + "=" +
                         (value && value->type == REG_SZ ? NormalizedTermin(value->Text()) : "?"));
    }
    std::sort(values.begin(), values.end());
    return values;
}

const std::string kFuture = "24.12." + std::to_string(Today().year + 1) + " 18:00:00;1;1;Weihnachten";

TEST_F(ZielmarkTest, PastOneTimeAppointmentIsAnnouncedAndRemoved)
{
    const Date yesterday = Yesterday();
    AppRegistry::SetString("Termine", "t000", GermanDateTime(yesterday, 12, 34, 56) + ";0;0;Beschreibung");
    AppRegistry::SetString("Termine", "t001", kFuture);
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);

    HWND box = WaitForTopMessage(Run(), timer, kMessageTimeoutMs);
    ASSERT_NE(box, nullptr) << "no message box owned by the timer window";
    EXPECT_EQ(ControlText(box, kMessageTextId), DueMessage("Beschreibung", yesterday));
    char title[64] = {};
    GetWindowTextA(box, title, sizeof(title));
    EXPECT_STREQ(title, "Zielmark");
    EXPECT_TRUE(ScreenImage::Capture(WindowRect(box)).SaveBmp(ScreenshotFolder() + "\\due-message.bmp"));
    ASSERT_TRUE(Confirm(box));
    EXPECT_TRUE(ConfirmDueMessages(Run(), timer, kQuietMs).empty()) << "announced more than once";

    ASSERT_TRUE(CloseByMessage(timer));
    EXPECT_EQ(StoredTermine(), std::vector<std::string>{"t000=" + kFuture});
}

TEST_F(ZielmarkTest, PastYearlyAppointmentMovesOnOneYear)
{
    const Date yesterday = Yesterday();
    AppRegistry::SetString("Termine", "t000", GermanDateTime(yesterday, 12, 34, 56) + ";1;1;Geburtstag");
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);

    const Date next = YearsLater(yesterday, 1);
    EXPECT_EQ(ConfirmDueMessages(Run(), timer), std::vector<std::string>{DueMessage("Geburtstag", next)});
    ASSERT_TRUE(CloseByMessage(timer));
    EXPECT_EQ(StoredTermine(),
              std::vector<std::string>{"t000=" + GermanDateTime(next, 12, 34, 56) + ";1;1;Geburtstag"});
}

TEST_F(ZielmarkTest, YearlyAppointmentYearsBackIsAnnouncedOncePerYear)
{
    const Date yesterday = Yesterday();
    AppRegistry::SetString("Termine", "t000",
                           GermanDateTime(YearsLater(yesterday, -2), 12, 34, 56) + ";1;2;Feier");
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);

    std::vector<std::string> shown = ConfirmDueMessages(Run(), timer);
    // Each roll-over opens its message on top of the previous one: the order of confirming
    // follows the stacking, so compare as sets.
    std::sort(shown.begin(), shown.end());
    std::vector<std::string> expected{DueMessage("Feier", YearsLater(yesterday, -1)),
                                      DueMessage("Feier", yesterday),
                                      DueMessage("Feier", YearsLater(yesterday, 1))};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shown, expected);
    ASSERT_TRUE(CloseByMessage(timer));
    EXPECT_EQ(StoredTermine(), std::vector<std::string>{
                                   "t000=" + GermanDateTime(YearsLater(yesterday, 1), 12, 34, 56) +
                                   ";1;2;Feier"});
}

TEST_F(ZielmarkTest, EndOfSessionSavesTheChangedListWithoutClosing)
{
    const std::string past = GermanDateTime(Yesterday(), 12, 34, 56) + ";0;0;Beschreibung";
    AppRegistry::SetString("Termine", "t000", past);
    AppRegistry::SetString("Termine", "t001", kFuture);
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    ASSERT_EQ(ConfirmDueMessages(Run(), timer).size(), 1u);
    // Nothing is saved while the program runs on.
    EXPECT_EQ(StoredTermine(), (std::vector<std::string>{"t000=" + past, "t001=" + kFuture}));
    EXPECT_TRUE(AppRegistry::ValueNames("MainWnd").empty());

    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutA(timer, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &result));
    EXPECT_EQ(StoredTermine(), std::vector<std::string>{"t000=" + kFuture});
    EXPECT_EQ(AppRegistry::ValueNames("MainWnd").size(), 5u);
    EXPECT_FALSE(WaitUntil([&] { return !IsWindow(timer); }, 300)) << "the session end closed the window";
    EXPECT_TRUE(Run().IsRunning());

    ASSERT_TRUE(CloseByMessage(timer));
    EXPECT_EQ(StoredTermine(), std::vector<std::string>{"t000=" + kFuture});
}

TEST_F(ZielmarkTest, EndOfSessionThatDoesNotHappenSavesNothing)
{
    AppRegistry::SetString("Termine", "t000", GermanDateTime(Yesterday(), 12, 34, 56) + ";0;0;Weg");
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    ASSERT_EQ(ConfirmDueMessages(Run(), timer).size(), 1u);
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutA(timer, WM_ENDSESSION, FALSE, 0, SMTO_ABORTIFHUNG, 5000, &result));
    EXPECT_EQ(AppRegistry::ValueNames("Termine").size(), 1u);
    EXPECT_TRUE(AppRegistry::ValueNames("MainWnd").empty());
}

}  // namespace
}  // namespace e2e
