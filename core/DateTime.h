// Local date-time value: days since 30 December 1899 (automation date) plus a status, to the second.
#pragma once

#include <string>

class CDateTimeSpan {
public:
    CDateTimeSpan() = default;
    explicit CDateTimeSpan(double days) : m_span(days) {}
    CDateTimeSpan(long days, int hours, int minutes, int seconds);

    double GetTotalDays() const { return m_span; }
    // Rounded to the nearest second, as the remaining-time text needs it.
    long long GetTotalSeconds() const;

    double m_span = 0.0;
};

class CDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    struct Parts {
        int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    };

    CDateTime() = default;
    explicit CDateTime(double date) : m_dt(date) {}
    CDateTime(int year, int month, int day, int hour, int minute, int second);

    // Sets the moment; an impossible one (31 April, hour 24, year 10000) makes the value invalid.
    bool SetDateTime(int year, int month, int day, int hour, int minute, int second);
    bool GetParts(Parts& parts) const;
    bool IsValid() const { return m_status == valid; }

    // The same moment one calendar year later; 29 February becomes 28 February when needed.
    CDateTime NextYear() const;
    CDateTime Invalidated() const;

    // strftime-like; understands %d %m %Y %H %M %S and %%.
    std::string Format(const char* pattern) const;

    CDateTimeSpan operator-(const CDateTime& other) const;
    CDateTime operator+(const CDateTimeSpan& span) const;
    // Negative, zero or positive as this moment is earlier than, the same as or later than
    // `other`. The raw numbers cannot be compared: below zero a later time of day is more negative.
    int Compare(const CDateTime& other) const;
    // The moment on a straight line of days, ordered as Compare orders moments; a key to sort by.
    double GetLinearDays() const;
    bool operator<(const CDateTime& other) const { return Compare(other) < 0; }
    bool operator<=(const CDateTime& other) const { return Compare(other) <= 0; }
    bool operator>(const CDateTime& other) const { return Compare(other) > 0; }
    bool operator==(const CDateTime& other) const { return Compare(other) == 0; }
    bool operator!=(const CDateTime& other) const { return Compare(other) != 0; }

    double m_dt = 0.0;
    DateTimeStatus m_status = valid;
};

// The German numeric form, the same in every locale: "24.12.2021" at midnight,
// "24.12.2021 18:00:00" otherwise.
std::string FormatGermanDateTime(const CDateTime& value);
// Reads d.m.yyyy, optionally followed by h:mm or h:mm:ss; false for anything else.
bool ParseGermanDateTime(const std::string& text, CDateTime& value);
