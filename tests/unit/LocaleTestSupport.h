// The user's short-date picture changed for one test, and dates whose day and month can swap.
#pragma once

#include "app/Win32CoreHost.h"
#include "core/TerminList.h"

#include <windows.h>

// Sets the picture in the user's locale and puts the old one back at the end of the test.
class ScopedShortDate {
public:
    explicit ScopedShortDate(const wchar_t* picture)
    {
        m_set = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, m_old, ARRAYSIZE(m_old)) > 0 &&
                SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, picture);
    }
    ScopedShortDate(const ScopedShortDate&) = delete;
    ScopedShortDate& operator=(const ScopedShortDate&) = delete;
    ~ScopedShortDate()
    {
        if (m_set)
            SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, m_old);
    }
    bool IsSet() const { return m_set; }

private:
    wchar_t m_old[128] = L"";
    bool m_set = false;
};

// The core's host in the user's own locale while it lives.
class ScopedUserLocaleHost {
public:
    ScopedUserLocaleHost() { m_previous = SetCoreHost(&host); }
    ScopedUserLocaleHost(const ScopedUserLocaleHost&) = delete;
    ScopedUserLocaleHost& operator=(const ScopedUserLocaleHost&) = delete;
    ~ScopedUserLocaleHost() { SetCoreHost(m_previous); }
    CWin32CoreHost host;

private:
    CCoreHost* m_previous = nullptr;
};

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
