// Calendar arithmetic of the automation date: whole days since 1899-12-30, time as the fraction.
#include "core/DateTime.h"

#include <cmath>
#include <algorithm>
#include <cstdio>

namespace {

constexpr double kMinDate = -657434.0;            // 1 January 100
constexpr double kMaxDate = 2958465.99999999;     // 31 December 9999, last second
constexpr long kSecondsPerDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date (no range limits).
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

const long long kEpochDays = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Automation dates below zero keep the time of day as a positive fraction counted away from
// zero (-1.25 is 29 Dec 1899 06:00); this maps them onto a straight time line and back.
double ToLinear(double date)
{
    if (date >= 0.0)
        return date;
    const double days = std::ceil(date);
    return days + (days - date);
}

double FromLinear(double linear)
{
    if (linear >= 0.0)
        return linear;
    const double days = std::floor(linear);
    return days - (linear - days);
}

}  // namespace

CDateTimeSpan::CDateTimeSpan(long days, int hours, int minutes, int seconds)
    : m_span(days + (hours * 3600.0 + minutes * 60.0 + seconds) / kSecondsPerDay)
{
}

long long CDateTimeSpan::GetTotalSeconds() const
{
    return std::llround(m_span * kSecondsPerDay);
}

CDateTime::CDateTime(int year, int month, int day, int hour, int minute, int second)
{
    SetDateTime(year, month, day, hour, minute, second);
}

bool CDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59) {
        m_dt = 0.0;
        m_status = invalid;
        return false;
    }
    const double days = static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month),
                                                          static_cast<unsigned>(day)) -
                                            kEpochDays);
    const double fraction = (hour * 3600.0 + minute * 60.0 + second) / kSecondsPerDay;
    m_dt = days >= 0.0 ? days + fraction : days - fraction;
    m_status = valid;
    return true;
}

bool CDateTime::GetParts(Parts& parts) const
{
    if (m_status != valid || !(m_dt >= kMinDate && m_dt <= kMaxDate))
        return false;
    // Round to the nearest second on the straight time line, then split.
    const long long total = std::llround(ToLinear(m_dt) * kSecondsPerDay);
    long long days = total / kSecondsPerDay;
    long long seconds = total % kSecondsPerDay;
    if (seconds < 0) {
        seconds += kSecondsPerDay;
        --days;
    }
    CivilFromDays(days + kEpochDays, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds % 3600 / 60);
    parts.second = static_cast<int>(seconds % 60);
    return true;
}

CDateTime CDateTime::NextYear() const
{
    Parts p;
    if (!GetParts(p))
        return CDateTime(0.0).Invalidated();
    const int day = std::min(p.day, DaysInMonth(p.year + 1, p.month));
    return CDateTime(p.year + 1, p.month, day, p.hour, p.minute, p.second);
}

CDateTime CDateTime::Invalidated() const
{
    CDateTime copy(*this);
    copy.m_status = invalid;
    return copy;
}

std::string CDateTime::Format(const char* pattern) const
{
    Parts p;
    if (!GetParts(p))
        return {};
    std::string text;
    char field[16];
    for (const char* c = pattern; *c; ++c) {
        if (*c != '%' || !c[1]) {
            text += *c;
            continue;
        }
        switch (*++c) {
        case 'd': std::snprintf(field, sizeof(field), "%02d", p.day); break;
        case 'm': std::snprintf(field, sizeof(field), "%02d", p.month); break;
        case 'Y': std::snprintf(field, sizeof(field), "%04d", p.year); break;
        case 'H': std::snprintf(field, sizeof(field), "%02d", p.hour); break;
        case 'M': std::snprintf(field, sizeof(field), "%02d", p.minute); break;
        case 'S': std::snprintf(field, sizeof(field), "%02d", p.second); break;
        default: field[0] = *c; field[1] = '\0'; break;
        }
        text += field;
    }
    return text;
}

CDateTimeSpan CDateTime::operator-(const CDateTime& other) const
{
    return CDateTimeSpan(ToLinear(m_dt) - ToLinear(other.m_dt));
}

int CDateTime::Compare(const CDateTime& other) const
{
    const double left = GetLinearDays();
    const double right = other.GetLinearDays();
    return left < right ? -1 : left > right ? 1 : 0;
}

double CDateTime::GetLinearDays() const
{
    return ToLinear(m_dt);
}

CDateTime CDateTime::operator+(const CDateTimeSpan& span) const
{
    CDateTime result(FromLinear(ToLinear(m_dt) + span.m_span));
    result.m_status = m_status;
    return result;
}

std::string FormatGermanDateTime(const CDateTime& value)
{
    CDateTime::Parts p;
    if (!value.GetParts(p))
        return {};
    char text[32];
    if (p.hour == 0 && p.minute == 0 && p.second == 0)
        std::snprintf(text, sizeof(text), "%02d.%02d.%04d", p.day, p.month, p.year);
    else
        std::snprintf(text, sizeof(text), "%02d.%02d.%04d %02d:%02d:%02d", p.day, p.month, p.year,
                      p.hour, p.minute, p.second);
    return text;
}

namespace {

// Reads 1..maxDigits decimal digits at `pos`.
bool ReadNumber(const std::string& text, size_t& pos, size_t maxDigits, int& number)
{
    size_t digits = 0;
    number = 0;
    while (pos < text.size() && digits < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
        number = number * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits > 0;
}

bool Expect(const std::string& text, size_t& pos, char c)
{
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

void SkipBlanks(const std::string& text, size_t& pos)
{
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
}

}  // namespace

bool ParseGermanDateTime(const std::string& text, CDateTime& value)
{
    size_t pos = 0;
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    SkipBlanks(text, pos);
    if (!ReadNumber(text, pos, 2, day) || !Expect(text, pos, '.') ||
        !ReadNumber(text, pos, 2, month) || !Expect(text, pos, '.'))
        return false;
    const size_t yearStart = pos;
    if (!ReadNumber(text, pos, 4, year) || pos - yearStart != 4)
        return false;
    SkipBlanks(text, pos);
    if (pos < text.size()) {
        if (!ReadNumber(text, pos, 2, hour) || !Expect(text, pos, ':') ||
            !ReadNumber(text, pos, 2, minute))
            return false;
        if (Expect(text, pos, ':') && !ReadNumber(text, pos, 2, second))
            return false;
        SkipBlanks(text, pos);
        if (pos != text.size())
            return false;
    }
    CDateTime parsed;
    if (!parsed.SetDateTime(year, month, day, hour, minute, second))
        return false;
    value = parsed;
    return true;
}
