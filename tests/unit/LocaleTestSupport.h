// The core's host in the user's own locale (CWin32CoreHost's default), a short-date picture
// changed for one test, and dates whose day and month can swap.
#pragma once

#include "app/Win32CoreHost.h"
#include "core/TerminList.h"
#include "ScopedShortDate.h"

// Every day of the year that has a month of the same number as well, and a few that have
// none, at midnight (the date alone) and in the evening.
inline CTerminList SwappableDates()
{
    CTerminList list;
    for (int month = 1; month <= 12; ++month)
        for (const int day : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 28})
            for (const int hour : {0, 18})
                list.Add(CTermin(CDateTime(2021, month, day, hour, hour ? 30 : 0, hour ? 15 : 0), month % 2 == 0,
                                 day % 7, "T"));
    return list;
}
