// The timer window's stored placement: what of it may be applied so that the window is seen.
#include "settings/TimerOptions.h"

#include "MemoryProfile.h"

#include <gtest/gtest.h>

namespace {

CWindowPlacement Placement(int32_t showCmd, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    CWindowPlacement placement;
    placement.showCmd = showCmd;
    placement.left = left;
    placement.top = top;
    placement.right = right;
    placement.bottom = bottom;
    return placement;
}

bool SameRect(const CWindowPlacement& p, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return p.left == left && p.top == top && p.right == right && p.bottom == bottom;
}

}  // namespace

TEST(WindowPlacement, EmptyOrInvertedRectangleFallsBackTo20x20)
{
    for (const auto& bad : {Placement(1, 0, 0, 0, 0), Placement(1, 300, 300, 300, 340),
                            Placement(1, 300, 300, 500, 300), Placement(1, 500, 300, 300, 340),
                            Placement(1, 300, 340, 500, 300)}) {
        const CWindowPlacement showable = bad.Showable();
        EXPECT_TRUE(SameRect(showable, 20, 20, 200, 30))
            << bad.left << "," << bad.top << "," << bad.right << "," << bad.bottom;
        EXPECT_EQ(showable.showCmd, 1);
    }
}

TEST(WindowPlacement, MinimisedHiddenOrMaximisedIsShownNormallyWhereItWas)
{
    for (const int32_t showCmd : {0, 2, 3, 6, 7, 11}) {
        CWindowPlacement stored = Placement(showCmd, 400, 300, 620, 340);
        stored.flags = 2;  // restore to maximised
        stored.length = 40;
        const CWindowPlacement showable = stored.Showable();
        EXPECT_EQ(showable.showCmd, 1) << showCmd;
        EXPECT_EQ(showable.flags, 0) << showCmd;
        EXPECT_EQ(showable.length, 44) << showCmd;
        EXPECT_TRUE(SameRect(showable, 400, 300, 620, 340)) << showCmd;
    }
}

TEST(WindowPlacement, UsablePlacementIsAppliedAsStored)
{
    const CWindowPlacement stored = Placement(1, -300, 5, -100, 45);  // a monitor left of the main one
    const CWindowPlacement showable = stored.Showable();
    EXPECT_TRUE(SameRect(showable, -300, 5, -100, 45));
    EXPECT_EQ(showable.minX, stored.minX);
}

TEST(WindowPlacement, StoredBlockRoundTripsAsIs)
{
    // The options keep what was stored; only applying it mends it, and the next save writes what
    // is on the screen.
    CMemoryProfile profile;
    const CWindowPlacement minimised = Placement(2, 0, 0, 0, 0);
    profile.OpenSection("MainWnd");
    profile.WriteBinary("Placement", sizeof(minimised), &minimised);
    profile.CloseSection();
    CTimerOptions options;
    ASSERT_TRUE(options.Load(profile));
    EXPECT_EQ(options.m_placement.showCmd, 2);
    EXPECT_TRUE(SameRect(options.m_placement.Showable(), 20, 20, 200, 30));
}
