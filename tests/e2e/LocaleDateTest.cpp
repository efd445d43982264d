// Dates in the user's own short-date form: where it puts the month first with dots, the
// appointment the program stored is the same day at the next start.
#include "ContextMenu.h"
#include "E2eFixture.h"
#include "RemoteList.h"

#include "tests/unit/ScopedShortDate.h"

#include <cstdio>

namespace e2e {
namespace {

int DaysFrom(const Date& from, const Date& to)
{
    int days = 0;
    for (Date date = from; date.year != to.year || date.month != to.month || date.day != to.day; ++days)
        date = AddDays(date, 1);
    return days;
}

TEST_F(ZielmarkTest, InAMonthFirstDottedLocaleAStoredDayIsReadAsWritten)
{
    ScopedShortDate monthFirst(L"MM.dd.yyyy");
    ASSERT_TRUE(monthFirst.IsSet());
    // The 4th of March next year, as the program writes it there; read day first it would be
    // the 3rd of April, thirty days later.
    const Date today = Today();
    const Date target{today.year + 1, 3, 4};
    char stored[64] = "";
    std::snprintf(stored, sizeof(stored), "03.04.%04d 18:00:00;0;0;Messe", target.year);
    AppRegistry::SetString("Termine", "t000", stored);
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    HWND about = OpenInfo(Run(), timer);
    ASSERT_NE(about, nullptr);
    const std::vector<std::string> rows = ListRows(GetDlgItem(about, 1004), 2);
    ASSERT_EQ(rows.size(), 1u);
    // Whole days left: one fewer once today's 18:00 has passed.
    const int days = DaysFrom(today, target);
    const std::string full = std::to_string(days) + "T ";
    const std::string fewer = std::to_string(days - 1) + "T ";
    EXPECT_TRUE(rows[0].rfind(full, 0) == 0 || rows[0].rfind(fewer, 0) == 0) << rows[0] << ", " << days << " days";
    PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }, 3000));
    EXPECT_TRUE(CloseByMessage(timer));
}

}  // namespace
}  // namespace e2e
