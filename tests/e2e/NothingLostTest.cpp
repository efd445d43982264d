// Nothing lost: the program killed while it saves a long list, closed while due messages are
// open, ended while many wait to be shown, and started a second time.
#include "E2eFixture.h"
#include "ScreenCapture.h"

#include <cstdio>
#include <set>

namespace e2e {
namespace {

constexpr int kLongList = 5000;

Date NotOnLeapDay(Date date)
{
    if (date.month == 2 && date.day == 29)
        date.day = 28;
    return date;
}

std::string FutureTermin(int i)
{
    const Date day = AddDays(Today(), 30 + i / 1000);
    char description[32];
    std::snprintf(description, sizeof(description), "Termin %04d", i);
    return GermanDateTime(day, (i / 60) % 24, i % 60, 0) + ";0;0;" + description;
}

std::string ValueName(int i)
{
    char name[16];
    std::snprintf(name, sizeof(name), "t%03d", i);
    return name;
}

// The descriptions of the section Termine.
std::set<std::string> StoredDescriptions()
{
    std::set<std::string> descriptions;
    for (const std::string& name : AppRegistry::ValueNames("Termine")) {
        const auto value = AppRegistry::Get("Termine", name);
        if (!value || value->type != REG_SZ)
            continue;
        const std::string text = value->Text();
        descriptions.insert(text.substr(text.find_last_of(';') + 1));
    }
    return descriptions;
}

// Message boxes the timer window owns, top first.
std::vector<HWND> DueBoxes(ProgramRun& run, HWND timer)
{
    return run.FindWindowsOf("#32770", timer);
}

TEST_F(ZielmarkTest, CloseWhileDueMessagesAreOpenEndsCleanlyAndSavesThemHandled)
{
    const Date yesterday = NotOnLeapDay(AddDays(Today(), -1));
    AppRegistry::SetString("Termine", "t000", GermanDateTime(yesterday, 8, 0, 0) + ";0;0;Erster");
    AppRegistry::SetString("Termine", "t001", GermanDateTime(yesterday, 9, 0, 0) + ";1;0;Jahrestag");
    AppRegistry::SetString("Termine", "t002", FutureTermin(7));
    // Wine's exception messages go to the test's output; the test itself sees every exception as
    // the program's debugger. warn+heap fills freed memory, so that a read of a destroyed object
    // faults instead of finding the old values still there.
    HWND timer = Start(RunOptions{"+seh,warn+heap", true});
    ASSERT_NE(timer, nullptr);

    // The second box opens on top of the first at a later tick.
    ASSERT_TRUE(WaitUntil([&] { return DueBoxes(Run(), timer).size() >= 2; }, 5000));
    Sleep(Patience(500));  // the boxes and the window repainted behind them
    const std::vector<HWND> boxes = DueBoxes(Run(), timer);
    RECT both = WindowRect(timer);
    for (HWND box : boxes) {
        const RECT rect = WindowRect(box);
        UnionRect(&both, &both, &rect);
    }
    EXPECT_TRUE(ScreenImage::Capture(both).SaveBmp(ScreenshotFolder() + "\\close-during-due.bmp"));

    PostMessageA(timer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Run().WaitForExit(10000)) << "the program does not end";
    EXPECT_EQ(Run().ExitCode(), 0u);

    EXPECT_TRUE(Run().WasDebugged());
    for (const std::string& exception : Run().ErrorExceptions())
        ADD_FAILURE() << "exception " << exception;

    // Both messages were shown, so both count as announced: the one-time appointment is gone,
    // the yearly one a year on; the list was saved so.
    const std::set<std::string> left = StoredDescriptions();
    EXPECT_EQ(left, (std::set<std::string>{"Jahrestag", "Termin 0007"}));
    EXPECT_FALSE(AppRegistry::SectionExists("Termine.Journal"));
}

// How a run ends while due messages still wait: the tray menu's "Beenden", a logoff (the
// session's end, then the process killed, as Windows does), a kill.
enum class Ending { Quit, Logoff, Kill };

class EndedWhileDueMessagesWait : public ZielmarkTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(EndedWhileDueMessagesWait, TheNextStartShowsEveryOneNotShownYet)
{
    constexpr size_t kDue = 40;
    constexpr WPARAM kAppExit = 57665;
    const Date yesterday = NotOnLeapDay(AddDays(Today(), -1));
    std::set<std::string> all;
    for (int i = 0; i < static_cast<int>(kDue); ++i) {
        char description[32];
        std::snprintf(description, sizeof(description), "Erinnerung %02d", i);
        all.insert(description);
        AppRegistry::SetString("Termine", ValueName(i),
                               GermanDateTime(yesterday, 10, i, 0) + ";0;0;" + description);
    }
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    // The messages open one per tick, on top of each other; the run ends after the first.
    ASSERT_NE(Run().WaitForWindowOf("#32770", timer, 5000), nullptr);
    const size_t shownBefore = DueBoxes(Run(), timer).size();
    size_t shownAfter = kDue;  // at most
    switch (GetParam()) {
    case Ending::Quit:
        PostMessageA(timer, WM_COMMAND, kAppExit, 0);
        ASSERT_TRUE(Run().WaitForExit(10000));
        break;
    case Ending::Logoff: {
        DWORD_PTR result = 0;
        ASSERT_TRUE(SendMessageTimeoutA(timer, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &result));
        shownAfter = DueBoxes(Run(), timer).size();
        Run().Kill();
        break;
    }
    case Ending::Kill:
        Run().Kill();
        shownAfter = 0;  // nothing saved
        break;
    }
    // Gone are only those a message was shown for: those open before the end, and the few a
    // tick more could open (ticks queue up while a busy machine keeps the program waiting).
    const std::set<std::string> left = StoredDescriptions();
    std::printf("%u messages open before the end, at most %u at the save; %u appointments left\n",
                static_cast<unsigned>(shownBefore), static_cast<unsigned>(shownAfter),
                static_cast<unsigned>(left.size()));
    EXPECT_LE(left.size(), kDue - (GetParam() == Ending::Kill ? 0 : shownBefore));
    EXPECT_GE(left.size(), kDue - shownAfter);
    // A close soon after the first message comes long before the last could open.
    if (GetParam() == Ending::Quit && shownBefore <= 5) {
        EXPECT_GE(left.size(), kDue / 2) << "gone without being shown";
    }
    for (const std::string& description : left)
        EXPECT_EQ(all.count(description), 1u) << description;

    // The next start shows each of them once, one message on top of the other.
    timer = Start();
    ASSERT_NE(timer, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return DueBoxes(Run(), timer).size() >= left.size(); }, 20000))
        << DueBoxes(Run(), timer).size() << " of " << left.size() << " messages";
    Sleep(Patience(500));  // a message too many would come at a later tick
    std::multiset<std::string> shown;
    for (HWND box : DueBoxes(Run(), timer)) {
        const std::string text = ControlText(box, 0xFFFF);
        shown.insert(text.substr(0, text.find("!\n(")));
    }
    EXPECT_EQ(shown.size(), left.size());
    EXPECT_EQ(std::set<std::string>(shown.begin(), shown.end()), left);
    // Closed with them open: they were shown, so they count as announced.
    PostMessageA(timer, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Run().WaitForExit(10000));
    EXPECT_TRUE(StoredDescriptions().empty());
}

INSTANTIATE_TEST_SUITE_P(ThreeWays, EndedWhileDueMessagesWait,
                         ::testing::Values(Ending::Quit, Ending::Logoff, Ending::Kill));

class KilledWhileSaving : public ZielmarkTest, public ::testing::WithParamInterface<int> {};

TEST_P(KilledWhileSaving, NextStartFindsEveryAppointment)
{
    const int killAfterMs = GetParam();
    const Date yesterday = NotOnLeapDay(AddDays(Today(), -1));
    // One due appointment makes the list changed, so the close saves all of it.
    AppRegistry::SetString("Termine", ValueName(0), GermanDateTime(yesterday, 8, 0, 0) + ";0;0;Fällig");
    for (int i = 0; i < kLongList; ++i)
        AppRegistry::SetString("Termine", ValueName(i + 1), FutureTermin(i));

    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    HWND box = Run().WaitForWindowOf("#32770", timer, 5000);
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 3000));

    const DWORD closed = GetTickCount();
    PostMessageA(timer, WM_CLOSE, 0, 0);
    Sleep(static_cast<DWORD>(killAfterMs));
    const bool endedBeforeKill = !Run().IsRunning();
    Run().Kill();
    const DWORD killedAt = GetTickCount() - closed;
    const size_t inSection = AppRegistry::ValueNames("Termine").size();
    const size_t inJournal = AppRegistry::ValueNames("Termine.Journal").size();
    const bool marked = !AppRegistry::ValueNames("Termine.Journal\\Complete").empty();
    std::printf("killed %lu ms after WM_CLOSE%s: Termine %u values, journal %u values%s\n",
                static_cast<unsigned long>(killedAt), endedBeforeKill ? " (had ended)" : "",
                static_cast<unsigned>(inSection), static_cast<unsigned>(inJournal),
                marked ? ", marked complete" : "");

    // The next start repairs what the cut left; closing it saves what it loaded.
    timer = Start();
    ASSERT_NE(timer, nullptr);
    PostMessageA(timer, WM_CLOSE, 0, 0);  // a due message still open is ended with it
    ASSERT_TRUE(Run().WaitForExit(20000));
    const std::set<std::string> stored = StoredDescriptions();
    int missing = 0;
    for (int i = 0; i < kLongList; ++i) {
        char description[32];
        std::snprintf(description, sizeof(description), "Termin %04d", i);
        missing += stored.count(description) == 0 ? 1 : 0;
    }
    EXPECT_EQ(missing, 0) << "killed " << killedAt << " ms after WM_CLOSE";
    EXPECT_LE(stored.size(), static_cast<size_t>(kLongList + 1));
    EXPECT_FALSE(AppRegistry::SectionExists("Termine.Journal"));
}

INSTANTIATE_TEST_SUITE_P(AtSeveralMoments, KilledWhileSaving,
                         ::testing::Values(0, 40, 80, 120, 160, 240, 320, 400, 500, 800));

TEST_F(ZielmarkTest, SecondStartShowsTheFirstAndEndsWithoutSaving)
{
    AppRegistry::SetString("Termine", "t000", FutureTermin(1));
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    // Something else in front, as when the user starts the program again from the start menu.
    HWND other = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "Anderes Fenster", WS_POPUP | WS_VISIBLE,
                                 0, 0, 400, 200, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_NE(GetForegroundWindow(), timer);

    ProgramRun second(InstalledExe());
    ASSERT_TRUE(second.WaitForExit(10000)) << "the second start keeps running";
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == timer; }, 2000))
        << "the running window was not brought to the front";
    DestroyWindow(other);
    EXPECT_TRUE(Run().IsRunning());
    // The second start wrote nothing: the options are saved only when the first one closes.
    EXPECT_TRUE(AppRegistry::ValueNames("MainWnd").empty());

    ASSERT_TRUE(CloseByMessage(timer));
    EXPECT_EQ(AppRegistry::ValueNames("MainWnd").size(), 5u);
    // Once the first has ended, the program starts again.
    ASSERT_NE(Start(), nullptr);
}

}  // namespace
}  // namespace e2e
