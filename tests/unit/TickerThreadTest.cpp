// Ticker thread: start and stop codes, tick timing, self-ending and destruction while running.
// Timing checks use only bounds that sleeping guarantees, or wide margins, as they run under
// sanitizers and Wine.
#include "core/TickerThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

using orv::CTickerThread;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

namespace {

// Counts shared with the test body; they outlive the ticker so that destruction can be checked.
struct Counts {
    std::atomic<int> starts{0};
    std::atomic<int> ticks{0};
    std::atomic<int> ends{0};
    std::atomic<int> stopRequests{0};
};

class CCountingTicker : public CTickerThread {
public:
    explicit CCountingTicker(Counts& counts) : m_counts(counts) {}
    ~CCountingTicker() override { StopAndJoin(); }

    int startResult = 1;
    int ticksUntilEnd = 0;               // 0: never ends by itself
    std::atomic<bool> blockTick{false};  // a tick that hangs until released
    std::atomic<bool> inTick{false};
    bool instantSleep = false;        // steps are counted, not slept
    std::atomic<int> sleptSteps{0};

    // Written by the worker; read only after it has ended.
    Clock::time_point threadStart;
    std::vector<Clock::time_point> tickTimes;

    uint32_t Step() const { return m_nStep; }
    uint32_t Interval() const { return m_nInterval; }
    void SetTimeoutPolls(int32_t polls) { m_nTimeoutPolls = polls; }

protected:
    int32_t OnThreadStart() override
    {
        threadStart = Clock::now();
        ++m_counts.starts;
        return startResult;
    }
    int32_t OnTick() override
    {
        tickTimes.push_back(Clock::now());
        const int count = ++m_counts.ticks;
        inTick = true;
        while (blockTick)
            std::this_thread::sleep_for(milliseconds(5));
        inTick = false;
        return ticksUntilEnd == 0 || count < ticksUntilEnd;
    }
    void OnThreadEnd() override { ++m_counts.ends; }
    void SleepStep(uint32_t milliseconds) override
    {
        ++sleptSteps;
        if (!instantSleep)
            CTickerThread::SleepStep(milliseconds);
    }
    void OnStopRequest() override { ++m_counts.stopRequests; }

private:
    Counts& m_counts;
};

// Waits at most `limit` for `done`; returns its last value.
template <typename Done>
bool WaitFor(Done done, milliseconds limit = milliseconds(5000))
{
    const auto until = Clock::now() + limit;
    while (!done() && Clock::now() < until)
        std::this_thread::sleep_for(milliseconds(5));
    return done();
}

}  // namespace

TEST(TickerStartStop, StartTwiceRunsOneThreadAndStopTwiceReturnsZero)
{
    Counts counts;
    CCountingTicker ticker(counts);
    EXPECT_EQ(ticker.GetState(), CTickerThread::Idle);
    ASSERT_EQ(ticker.Start(false), 0);
    EXPECT_EQ(ticker.GetState(), CTickerThread::Running);
    EXPECT_EQ(ticker.Start(true), 0);
    EXPECT_EQ(counts.starts, 1);

    EXPECT_EQ(ticker.Stop(), 0);
    EXPECT_EQ(ticker.GetState(), CTickerThread::Idle);
    EXPECT_EQ(ticker.Stop(), 0);
    EXPECT_EQ(counts.stopRequests, 1);
    EXPECT_EQ(counts.ends, 1);

    // Once stopped it can be started again with a fresh thread.
    EXPECT_EQ(ticker.Start(false), 0);
    EXPECT_EQ(counts.starts, 2);
    EXPECT_EQ(ticker.Stop(), 0);
    EXPECT_EQ(counts.ends, 2);
}

TEST(TickerStartStop, StopOnIdleReturnsAtOnce)
{
    Counts counts;
    CCountingTicker ticker(counts);
    const auto before = Clock::now();
    EXPECT_EQ(ticker.Stop(), 0);
    EXPECT_LT(Clock::now() - before, milliseconds(100));  // shorter than one poll
    EXPECT_EQ(counts.stopRequests, 0);
}

TEST(TickerStartStop, RefusingThreadStartGivesCodeTwoAndStaysIdle)
{
    Counts counts;
    CCountingTicker ticker(counts);
    ticker.startResult = 0;
    ticker.SetInterval(10, true);
    EXPECT_EQ(ticker.Start(true), 2);
    EXPECT_EQ(ticker.GetState(), CTickerThread::Idle);
    EXPECT_EQ(counts.ticks, 0);
    EXPECT_EQ(counts.ends, 0);
    EXPECT_EQ(ticker.Stop(), 0);
    EXPECT_EQ(counts.stopRequests, 0);
}

TEST(TickerStartStop, StopThatTimesOutReturnsThreeThenTheThreadStillEnds)
{
    Counts counts;
    CCountingTicker ticker(counts);
    ticker.SetTimeoutPolls(1);
    ticker.SetInterval(10, true);
    ticker.blockTick = true;
    ASSERT_EQ(ticker.Start(false), 0);
    ASSERT_TRUE(WaitFor([&] { return ticker.inTick.load(); }));

    EXPECT_EQ(ticker.Stop(), 3);
    EXPECT_EQ(ticker.GetState(), CTickerThread::Stopping);
    // A stop under way is not waited for again.
    const auto before = Clock::now();
    EXPECT_EQ(ticker.Stop(), 0);
    EXPECT_LT(Clock::now() - before, milliseconds(100));
    EXPECT_EQ(counts.stopRequests, 1);

    ticker.blockTick = false;
    EXPECT_TRUE(WaitFor([&] { return ticker.GetState() == CTickerThread::Idle; }));
    EXPECT_EQ(counts.ticks, 1);
    EXPECT_EQ(counts.ends, 1);
}

TEST(TickerSettings, IntervalBelowStepLowersStep)
{
    Counts counts;
    CCountingTicker ticker(counts);
    EXPECT_EQ(ticker.Step(), 100u);
    EXPECT_EQ(ticker.Interval(), 1000u);
    ticker.SetInterval(250, false);
    EXPECT_EQ(ticker.Step(), 100u);
    ticker.SetInterval(40, false);
    EXPECT_EQ(ticker.Interval(), 40u);
    EXPECT_EQ(ticker.Step(), 40u);
    ticker.SetStep(500);  // unchecked
    EXPECT_EQ(ticker.Step(), 500u);
}

TEST(TickerTiming, FireNowTicksAtOnceThenAboutEveryInterval)
{
    Counts counts;
    CCountingTicker ticker(counts);
    ticker.SetInterval(120, true);
    ticker.SetStep(120);
    ASSERT_EQ(ticker.Start(false), 0);
    ASSERT_TRUE(WaitFor([&] { return counts.ticks >= 4; }));
    ASSERT_EQ(ticker.Stop(), 0);

    ASSERT_GE(ticker.tickTimes.size(), 4u);
    // The first tick comes before any sleep, each later one after a whole interval of sleep.
    EXPECT_LT(ticker.tickTimes[0] - ticker.threadStart, milliseconds(120));
    for (size_t i = 1; i < ticker.tickTimes.size(); ++i)
        EXPECT_GE(ticker.tickTimes[i] - ticker.tickTimes[i - 1], milliseconds(120)) << "tick " << i;
    // Never more ticks than whole intervals slept.
    const auto span = ticker.tickTimes.back() - ticker.tickTimes.front();
    EXPECT_LE(ticker.tickTimes.size() - 1, static_cast<size_t>(span / milliseconds(120)));
}

TEST(TickerTiming, WithoutFireNowTheFirstTickWaitsOneInterval)
{
    Counts counts;
    CCountingTicker ticker(counts);
    ticker.SetInterval(200, false);
    ticker.SetStep(50);
    ASSERT_EQ(ticker.Start(false), 0);
    ASSERT_TRUE(WaitFor([&] { return counts.ticks >= 1; }));
    ASSERT_EQ(ticker.Stop(), 0);
    EXPECT_GE(ticker.tickTimes[0] - ticker.threadStart, milliseconds(200));
}

TEST(TickerTiming, TheIntervalIsCountedInTheDerivedClassesSteps)
{
    // A platform may sleep its own way; the interval is still whole steps of it.
    Counts counts;
    CCountingTicker ticker(counts);
    ticker.instantSleep = true;
    ticker.ticksUntilEnd = 3;
    ticker.SetInterval(100, true);
    ticker.SetStep(25);
    const auto before = Clock::now();
    const int32_t started = ticker.Start(true);
    ASSERT_TRUE(started == 0 || started == 2) << "2: ended before the start saw it running";
    ASSERT_TRUE(WaitFor([&] { return ticker.GetState() == CTickerThread::Idle; }));
    EXPECT_EQ(counts.ticks, 3);
    EXPECT_EQ(ticker.sleptSteps, 8) << "four steps before each tick after the first";
    EXPECT_LT(Clock::now() - before, milliseconds(2000)) << "nothing really slept";
}

TEST(TickerLifetime, TickReturningZeroEndsTheThread)
{
    Counts counts;
    CCountingTicker ticker(counts);
    ticker.ticksUntilEnd = 3;
    ticker.SetInterval(10, true);
    // Held in its first tick so that it is still running when Start looks.
    ticker.blockTick = true;
    ASSERT_EQ(ticker.Start(false), 0);
    ticker.blockTick = false;
    ASSERT_TRUE(WaitFor([&] { return ticker.GetState() == CTickerThread::Idle; }));
    EXPECT_EQ(counts.ticks, 3);
    EXPECT_EQ(counts.ends, 1);
    EXPECT_EQ(ticker.Stop(), 0);
    EXPECT_EQ(counts.stopRequests, 0);

    // The ended thread is replaced by a new one on the next start.
    ticker.ticksUntilEnd = 0;
    EXPECT_EQ(ticker.Start(true), 0);
    EXPECT_EQ(counts.starts, 2);
    EXPECT_EQ(ticker.Stop(), 0);
}

TEST(TickerLifetime, DestructionWhileRunningEndsTheThreadFirst)
{
    Counts counts;
    auto ticker = std::make_unique<CCountingTicker>(counts);
    ticker->SetInterval(20, true);
    ASSERT_EQ(ticker->Start(false), 0);
    ASSERT_TRUE(WaitFor([&] { return counts.ticks >= 2; }));
    ticker.reset();
    EXPECT_EQ(counts.ends, 1);
    EXPECT_EQ(counts.stopRequests, 1);
    const int ticks = counts.ticks;
    std::this_thread::sleep_for(milliseconds(100));
    EXPECT_EQ(counts.ticks, ticks);
}

TEST(TickerLifetime, DestructionWaitsForATickLongerThanTheStopTimeout)
{
    Counts counts;
    auto ticker = std::make_unique<CCountingTicker>(counts);
    ticker->SetTimeoutPolls(1);
    ticker->SetInterval(10, true);
    ticker->blockTick = true;
    ASSERT_EQ(ticker->Start(false), 0);
    ASSERT_TRUE(WaitFor([&] { return ticker->inTick.load(); }));

    std::atomic<bool> released{false};
    CCountingTicker* const raw = ticker.get();
    std::thread releaser([&released, raw] {
        std::this_thread::sleep_for(milliseconds(300));
        released = true;
        raw->blockTick = false;
    });
    ticker.reset();  // must not return before the worker has left the object
    EXPECT_TRUE(released);
    EXPECT_EQ(counts.ends, 1);
    releaser.join();
}
