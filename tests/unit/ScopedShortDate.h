// The user's short-date picture changed for one test, in the test's own Wine prefix.
#pragma once

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
