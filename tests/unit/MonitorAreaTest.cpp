// Keeping a window on one monitor, with monitor layouts no test machine has.
#include "platform/MonitorArea.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

// Work areas of a 1920x1080 primary monitor (taskbar below) and of the monitors around it.
constexpr RECT kPrimary{0, 0, 1920, 1040};
constexpr RECT kRightOfPrimary{1920, 0, 3840, 1080};
constexpr RECT kLeftOfPrimary{-1280, 0, 0, 984};
constexpr RECT kAbovePrimary{0, -1080, 1920, 0};

struct Placing {
    const char* what;
    RECT work;  // of the monitor under the cursor
    POINT cursor;
    SIZE size;
    POINT expected;
};

std::ostream& operator<<(std::ostream& out, const Placing& row)
{
    return out << row.what;
}

bool Inside(const RECT& rect, const RECT& area)
{
    return rect.left >= area.left && rect.top >= area.top && rect.right <= area.right &&
           rect.bottom <= area.bottom;
}

}  // namespace

TEST(MonitorArea, AWindowAtTheCursorStaysWhollyOnTheCursorsMonitor)
{
    const SIZE sheet{600, 400};
    const Placing rows[] = {
        {"fits where the cursor is", kPrimary, {100, 100}, sheet, {100, 100}},
        {"second monitor to the right, room enough", kRightOfPrimary, {3000, 500}, sheet, {3000, 500}},
        {"second monitor to the right, near its corner", kRightOfPrimary, {3800, 1000}, sheet, {3240, 680}},
        {"monitor to the left, near its right edge", kLeftOfPrimary, {-100, 300}, sheet, {-600, 300}},
        {"monitor to the left, near its bottom", kLeftOfPrimary, {-1200, 900}, sheet, {-1200, 584}},
        {"monitor above, near its bottom right", kAbovePrimary, {1800, -100}, sheet, {1320, -400}},
        {"larger than the space below and right of the cursor", kPrimary, {1500, 600}, {800, 700}, {1120, 340}},
        {"larger than the whole work area", kPrimary, {1500, 600}, {2000, 1200}, {0, 0}},
        {"larger than a monitor to the left", kLeftOfPrimary, {-10, 10}, {1400, 1000}, {-1280, 0}},
        {"taller than a monitor above", kAbovePrimary, {10, -10}, {600, 1200}, {10, -1080}},
        {"taskbar below: the sheet keeps clear of it", kPrimary, {100, 1000}, sheet, {100, 640}},
        {"taskbar above", RECT{0, 40, 1920, 1080}, {100, 10}, sheet, {100, 40}},
        {"taskbar on the left", RECT{60, 0, 1920, 1080}, {10, 10}, sheet, {60, 10}},
        {"exactly filling the corner", kPrimary, {1320, 640}, sheet, {1320, 640}},
    };
    for (const Placing& row : rows) {
        const POINT placed = orv::KeepInArea(row.cursor, row.size, row.work);
        EXPECT_EQ(placed.x, row.expected.x) << row;
        EXPECT_EQ(placed.y, row.expected.y) << row;
        const RECT rect = orv::KeepInArea(
            RECT{row.cursor.x, row.cursor.y, row.cursor.x + row.size.cx, row.cursor.y + row.size.cy}, row.work);
        EXPECT_EQ(rect.left, placed.x) << row;
        EXPECT_EQ(rect.top, placed.y) << row;
        EXPECT_EQ(rect.right - rect.left, row.size.cx) << row;
        EXPECT_EQ(rect.bottom - rect.top, row.size.cy) << row;
        if (row.size.cx <= row.work.right - row.work.left && row.size.cy <= row.work.bottom - row.work.top) {
            EXPECT_TRUE(Inside(rect, row.work)) << row;
        }
    }
}

TEST(MonitorArea, WorkAreasAreThoseOfTheMonitorAtThePointOrOfTheNearest)
{
    MONITORINFO primary{};
    primary.cbSize = sizeof(primary);
    ASSERT_TRUE(GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary));
    const RECT atPoint = orv::WorkAreaAt(POINT{primary.rcWork.left + 1, primary.rcWork.top + 1});
    EXPECT_TRUE(EqualRect(&atPoint, &primary.rcWork));
    // Far off every monitor: the one nearest, found alike from a point and from a rectangle.
    const RECT nearestToPoint = orv::WorkAreaAt(POINT{-100000, -100000});
    const RECT nearestToRect = orv::WorkAreaNearest(RECT{-100100, -100100, -100000, -100000});
    EXPECT_FALSE(IsRectEmpty(&nearestToPoint));
    EXPECT_TRUE(EqualRect(&nearestToPoint, &nearestToRect));
}
