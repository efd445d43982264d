// Ticker loop: accumulates sleep steps and ticks whenever a whole interval has been slept.
#include "core/TickerThread.h"

#include <chrono>
#include <system_error>

namespace orv {

namespace {

void SleepMs(uint32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

constexpr uint32_t kPollMs = 100;

}  // namespace

void CTickerThread::SleepStep(uint32_t milliseconds)
{
    SleepMs(milliseconds);
}

CTickerThread::~CTickerThread()
{
    StopAndJoin();
}

void CTickerThread::SetInterval(uint32_t milliseconds, bool fireNow)
{
    m_nInterval = milliseconds;
    if (m_nStep > milliseconds)
        m_nStep = milliseconds;
    if (fireNow)
        m_nElapsed = milliseconds;
}

void CTickerThread::SetStep(uint32_t milliseconds)
{
    m_nStep = milliseconds;
}

int32_t CTickerThread::Start(bool fireNow)
{
    if (fireNow)
        m_nElapsed = m_nInterval.load();
    if (m_nState != Idle)
        return 0;

    // A worker that ended by itself has set the state to idle as its last step.
    JoinFinished();
    m_nState = Starting;
    try {
        m_thread = std::thread(&CTickerThread::ThreadMain, this);
    } catch (const std::system_error&) {
        m_nState = Idle;
        return 1;
    }

    int32_t polls = 0;
    while (polls < m_nTimeoutPolls && m_nState == Starting) {
        SleepMs(kPollMs);
        ++polls;
    }
    const int32_t state = m_nState;
    if (state == Running)
        return 0;
    if (state == Idle)
        JoinFinished();
    return state == Starting ? 3 : 2;
}

int32_t CTickerThread::Stop()
{
    // Only a starting or running worker is asked to stop; the exchange keeps a worker that just
    // went idle from being left with a stop request nobody will ever answer.
    int32_t state = m_nState;
    do {
        if (state != Starting && state != Running) {
            if (state == Idle)
                JoinFinished();
            return 0;
        }
    } while (!m_nState.compare_exchange_weak(state, Stopping));
    OnStopRequest();

    int32_t polls = 0;
    while (polls < m_nTimeoutPolls && m_nState != Idle) {
        SleepMs(kPollMs);
        ++polls;
    }
    if (m_nState != Idle)
        return 3;
    JoinFinished();
    return 0;
}

void CTickerThread::StopAndJoin()
{
    Stop();
    if (!m_thread.joinable())
        return;
    // Stop timed out or a stop was already under way: the state is 3, so the worker leaves its
    // loop after its current tick or sleep, and this object must outlive it.
    m_thread.join();
}

void CTickerThread::JoinFinished()
{
    if (m_thread.joinable())
        m_thread.join();
}

void CTickerThread::ThreadMain()
{
    if (!OnThreadStart()) {
        m_nState = Idle;
        return;
    }
    // A stop requested while starting must not be overwritten by the running state.
    int32_t expected = Starting;
    if (m_nState.compare_exchange_strong(expected, Running)) {
        for (;;) {
            if (m_nElapsed >= m_nInterval) {
                m_nElapsed = 0;
                if (!OnTick())
                    m_nState = Stopping;
            }
            if (m_nState == Stopping)
                break;
            const uint32_t step = m_nStep;
            if (step != 0) {
                SleepStep(step);
                m_nElapsed += step;
            }
            if (m_nState == Stopping)
                break;
        }
    }
    OnThreadEnd();
    m_nState = Idle;
}

}  // namespace orv
