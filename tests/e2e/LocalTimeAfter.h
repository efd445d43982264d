// The local time some seconds from now, for appointments that tests set relative to the clock.
#pragma once

#include <windows.h>

inline SYSTEMTIME LocalTimeAfter(long long seconds)
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    FILETIME file{};
    SystemTimeToFileTime(&now, &file);
    ULARGE_INTEGER ticks{};
    ticks.LowPart = file.dwLowDateTime;
    ticks.HighPart = file.dwHighDateTime;
    ticks.QuadPart += static_cast<ULONGLONG>(seconds * 10000000LL);
    file.dwLowDateTime = ticks.LowPart;
    file.dwHighDateTime = ticks.HighPart;
    SYSTEMTIME then{};
    FileTimeToSystemTime(&file, &then);
    return then;
}
