// Fading positions and colours as the timer window walks them.
#include "settings/ColorFader.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int32_t> Positions(CColorFader fader, int32_t step, int count)
{
    std::vector<int32_t> positions;
    for (int i = 0; i < count; ++i) {
        positions.push_back(fader.GetPosition());
        fader.NextColor(step);
    }
    return positions;
}

CColorFader TimerFader()
{
    CColorFader fader;
    fader.SetRange(0, 300);
    fader.SetColors(0x00804000, 0x00FF0000);
    return fader;
}

}  // namespace

TEST(ColorFader, BouncesOneUnitInsideTheEndItPassed)
{
    EXPECT_EQ(Positions(TimerFader(), 100, 12),
              (std::vector<int32_t>{0, 100, 200, 300, 299, 199, 99, 1, 101, 201, 299, 199}));
    EXPECT_EQ(Positions(TimerFader(), 150, 10),
              (std::vector<int32_t>{0, 150, 300, 299, 149, 1, 151, 299, 149, 1}));
}

TEST(ColorFader, DefaultColoursAlongTheRange)
{
    const CColorFader fader = TimerFader();
    EXPECT_EQ(fader.ColorAt(0), 0x00804000u);
    EXPECT_EQ(fader.ColorAt(150), 0x00BF2000u);
    EXPECT_EQ(fader.ColorAt(300), 0x00FF0000u);
    EXPECT_EQ(fader.ColorAt(-50), 0x00804000u);  // clamped
    EXPECT_EQ(fader.ColorAt(999), 0x00FF0000u);
}

TEST(ColorFader, NextColorReturnsTheColourBeforeTheMove)
{
    CColorFader fader = TimerFader();
    EXPECT_EQ(fader.NextColor(150), 0x00804000u);
    EXPECT_EQ(fader.NextColor(150), 0x00BF2000u);
    EXPECT_EQ(fader.NextColor(150), 0x00FF0000u);
}

TEST(ColorFader, EmptyRangeIsBlack)
{
    CColorFader fader;
    fader.SetRange(7, 7);
    fader.SetColors(0x00FFFFFF, 0x00FFFFFF);
    EXPECT_EQ(fader.ColorAt(7), 0x00000000u);
    EXPECT_EQ(fader.GetDirection(), -1);
}

TEST(ColorFader, NewColoursKeepThePosition)
{
    CColorFader fader = TimerFader();
    fader.NextColor(100);
    fader.NextColor(100);
    EXPECT_EQ(fader.SetStartColor(0x00000000), 0x00804000u);
    EXPECT_EQ(fader.SetEndColor(0x000000FF), 0x00FF0000u);
    EXPECT_EQ(fader.GetPosition(), 200);
    EXPECT_EQ(fader.CurrentColor(), 0x000000AAu);  // 255 * 200 / 300 red
}

TEST(ColorFader, FallingRangeWalksDownAndBounces)
{
    CColorFader fader;
    fader.SetRange(10, 0);
    fader.SetColors(0x00000000, 0x000000FF);
    EXPECT_EQ(fader.CurrentColor(), 0x000000FFu);  // position 0 is the end of a falling range
    fader.NextColor(4);                             // 0 - 4 passes the lower end
    EXPECT_EQ(fader.GetPosition(), 1);
    EXPECT_EQ(fader.GetDirection(), 1);
    EXPECT_EQ(fader.ColorAt(10), 0x00000000u);
    EXPECT_EQ(fader.ColorAt(0), 0x000000FFu);
}
