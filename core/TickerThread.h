// Worker thread that calls a virtual tick at a fixed interval; portable (std::thread, no locks).
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

namespace orv {

// The owner's thread calls Start, Stop, SetInterval, SetStep and the destructor; the worker runs
// OnThreadStart, OnTick and OnThreadEnd. A derived class must call StopAndJoin in its own
// destructor: once it is gone the worker must not call its overrides any more.
class CTickerThread {
public:
    enum State : int32_t { Idle = 0, Starting = 1, Running = 2, Stopping = 3 };

    CTickerThread() = default;
    CTickerThread(const CTickerThread&) = delete;
    CTickerThread& operator=(const CTickerThread&) = delete;

    // fireNow: the first loop pass ticks at once.
    void SetInterval(uint32_t milliseconds, bool fireNow);
    void SetStep(uint32_t milliseconds);

    // 0 runs (also when it was not idle; then nothing is started), 1 not created,
    // 2 ended during its start (also a thread that ended by itself before the first poll saw it
    // running), 3 not running within the timeout polls.
    int32_t Start(bool fireNow);

    int32_t GetState() const { return m_nState.load(); }

protected:
    // Virtual operations in their fixed order.
    virtual int32_t OnTick() = 0;          // nonzero continues, 0 ends the thread
    virtual int32_t OnThreadStart() { return 1; }
    virtual void OnThreadEnd() {}
    virtual void OnStopRequest() {}        // on the caller's thread, once the state is 3
    // The worker's wait between steps.
    virtual void SleepStep(uint32_t milliseconds);

public:
    virtual ~CTickerThread();
    // 0 ended, idle or a stop already under way; 3 the thread did not end within the polls.
    virtual int32_t Stop();

protected:
    // Stop, then wait for the worker however long it takes, so that it never outlives its object.
    void StopAndJoin();

    std::atomic<int32_t> m_nState{Idle};
    // Atomic too: Start's fire-now flag and SetInterval may reach a running worker.
    std::atomic<uint32_t> m_nElapsed{0};
    std::atomic<uint32_t> m_nStep{100};
    std::atomic<uint32_t> m_nInterval{1000};
    int32_t m_nTimeoutPolls = 10;

private:
    void ThreadMain();
    // Joins a worker that has already set the state back to idle.
    void JoinFinished();

    std::thread m_thread;
};

}  // namespace orv
