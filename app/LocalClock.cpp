#include "app/LocalClock.h"

namespace {

FILETIME ToFileTime(uint64_t value)
{
    return FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

uint64_t FromFileTime(const FILETIME& time)
{
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

}  // namespace

SYSTEMTIME CLocalClock::Now()
{
    FILETIME utc{};
    GetSystemTimeAsFileTime(&utc);
    return ToLocal(FromFileTime(utc));
}

SYSTEMTIME CLocalClock::ToLocal(uint64_t utc)
{
    if (const uint64_t minute = utc / kTicksPerMinute; minute != m_offsetMinute) {
        m_offset = ReadOffset(utc);
        m_offsetMinute = minute;
    }
    SYSTEMTIME local{};
    const FILETIME time = ToFileTime(utc + static_cast<uint64_t>(m_offset));
    FileTimeToSystemTime(&time, &local);
    return local;
}

int64_t CLocalClock::ReadOffset(uint64_t utc) const
{
    const FILETIME universal = ToFileTime(utc);
    FILETIME local{};
    if (!FileTimeToLocalFileTime(&universal, &local))
        return 0;  // UTC then; the next minute tries again
    return static_cast<int64_t>(FromFileTime(local) - utc);
}
