// The local time as the system's UTC clock plus the zone's offset. The offset is read again
// whenever the UTC minute changes, which is when offsets change, so a change of daylight saving
// time or zone shows at once or within the minute. Between those reads a reading costs no look
// at the zone data, which Wine reads from the host's zone files on every GetLocalTime; the
// timer window reads the clock several times a second. For one thread.
#pragma once

#include <windows.h>

#include <cstdint>

class CLocalClock {
public:
    CLocalClock() = default;
    CLocalClock(const CLocalClock&) = delete;
    CLocalClock& operator=(const CLocalClock&) = delete;
    virtual ~CLocalClock() = default;

    SYSTEMTIME Now();
    // The local time at `utc`, in 100-ns units since 1601 as in a FILETIME.
    SYSTEMTIME ToLocal(uint64_t utc);

protected:
    // Local minus UTC at `utc`, in 100-ns units.
    virtual int64_t ReadOffset(uint64_t utc) const;

private:
    static constexpr uint64_t kTicksPerMinute = 60ull * 10'000'000ull;
    uint64_t m_offsetMinute = UINT64_MAX;  // the UTC minute m_offset was read in
    int64_t m_offset = 0;
};
