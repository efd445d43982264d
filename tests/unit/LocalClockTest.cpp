// The local clock: UTC plus an offset that is read again in every new UTC minute.
#include "app/LocalClock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr uint64_t kSecond = 10'000'000ull;
constexpr uint64_t kMinute = 60 * kSecond;
constexpr int64_t kHour = 60 * static_cast<int64_t>(kMinute);
// 2026-03-29 00:59:59 UTC, a second before Central Europe moves to summer time.
constexpr uint64_t kBeforeSwitch = 134192195990000000ull;

// Offsets as a zone with a daylight saving switch at kBeforeSwitch + 1 s would give them.
class CScriptedClock : public CLocalClock {
public:
    mutable std::vector<uint64_t> reads;

protected:
    int64_t ReadOffset(uint64_t utc) const override
    {
        reads.push_back(utc);
        return utc > kBeforeSwitch ? 2 * kHour : kHour;
    }
};

}  // namespace

TEST(LocalClock, ReadsTheOffsetOncePerUtcMinuteAndFollowsASwitchAtOnce)
{
    CScriptedClock clock;
    const SYSTEMTIME winter = clock.ToLocal(kBeforeSwitch);
    EXPECT_EQ(winter.wYear, 2026);
    EXPECT_EQ(winter.wMonth, 3);
    EXPECT_EQ(winter.wDay, 29);
    EXPECT_EQ(winter.wHour, 1);
    EXPECT_EQ(winter.wMinute, 59);
    EXPECT_EQ(winter.wSecond, 59);
    clock.ToLocal(kBeforeSwitch - 30 * kSecond);  // same minute: no new read
    EXPECT_EQ(clock.reads.size(), 1u);

    const SYSTEMTIME summer = clock.ToLocal(kBeforeSwitch + kSecond);  // 01:00:00 UTC
    EXPECT_EQ(clock.reads.size(), 2u) << "a new minute reads the offset again";
    EXPECT_EQ(summer.wHour, 3);
    EXPECT_EQ(summer.wMinute, 0);
    EXPECT_EQ(summer.wSecond, 0);
    for (uint64_t step = 1; step < 60; ++step)
        clock.ToLocal(kBeforeSwitch + kSecond + step * kSecond / 2);
    EXPECT_EQ(clock.reads.size(), 2u) << "half a minute of ticks, no read";
    clock.ToLocal(kBeforeSwitch - kMinute);  // the clock set back: another minute
    EXPECT_EQ(clock.reads.size(), 3u);
}

TEST(LocalClock, AgreesWithTheSystemsLocalTime)
{
    CLocalClock clock;
    for (int round = 0; round < 3; ++round) {
        SYSTEMTIME before{}, after{};
        GetLocalTime(&before);
        const SYSTEMTIME now = clock.Now();
        GetLocalTime(&after);
        FILETIME b{}, n{}, a{};
        SystemTimeToFileTime(&before, &b);
        SystemTimeToFileTime(&now, &n);
        SystemTimeToFileTime(&after, &a);
        EXPECT_LE(CompareFileTime(&b, &n), 0);
        EXPECT_LE(CompareFileTime(&n, &a), 0);
    }
}
