// Locale date-time pictures: compiling the known elements and writing them for whole seconds.
#include "core/DateTimePattern.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsPrintableAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Two digits of each number below 100, looked up rather than divided out.
constexpr char kTwoDigits[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
    "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";

// Writes `number` (below 100), with two digits when `padded`; returns the end.
char* WriteNumber(char* out, int number, bool padded)
{
    const char* const digits = kTwoDigits + 2 * number;
    if (number >= 10 || padded)
        *out++ = digits[0];
    *out++ = digits[1];
    return out;
}

}  // namespace

bool CDateTimePattern::Compile(const std::string& shortDate, const std::string& time,
                               const std::string& am, const std::string& pm)
{
    m_usable = false;
    m_date.clear();
    m_time.clear();
    if (!IsPrintableAscii(am) || !IsPrintableAscii(pm) || !CompilePicture(shortDate, "dMy", m_date) ||
        !CompilePicture(time, "hHmst", m_time))
        return false;
    const bool showsDesignator = std::any_of(m_time.begin(), m_time.end(), [](const Element& element) {
        return element.field == Field::AmPm || element.field == Field::AmPmFirst;
    });
    // How the platform closes the gap of an empty designator is its own affair.
    if (showsDesignator && (am.empty() || pm.empty()))
        return false;
    m_am = am;
    m_pm = pm;
    // Both pictures are written into one buffer on the stack.
    if (MaxLength(m_date) + 1 + MaxLength(m_time) > kMaxText)
        return false;
    m_usable = true;
    return true;
}

bool CDateTimePattern::CompilePicture(const std::string& picture, const char* letters,
                                      Elements& elements) const
{
    if (!IsPrintableAscii(picture))
        return false;
    const auto literal = [&elements](const std::string& text) {
        if (elements.empty() || elements.back().field != Field::Literal)
            elements.push_back({Field::Literal, {}});
        elements.back().literal += text;
    };
    for (size_t pos = 0; pos < picture.size();) {
        const char c = picture[pos];
        if (c == '\'') {
            // Quoted text; a doubled quote is read differently by different versions, so refused.
            const size_t close = picture.find('\'', pos + 1);
            if (close == std::string::npos || close == pos + 1 ||
                (close + 1 < picture.size() && picture[close + 1] == '\''))
                return false;
            literal(picture.substr(pos + 1, close - pos - 1));
            pos = close + 1;
            continue;
        }
        if (!IsLetter(c)) {
            literal(std::string(1, c));
            ++pos;
            continue;
        }
        if (!std::strchr(letters, c))
            return false;
        size_t count = 1;
        while (pos + count < picture.size() && picture[pos + count] == c)
            ++count;
        pos += count;
        Field field = Field::Literal;
        switch (c) {
        case 'd': field = count == 1 ? Field::Day : Field::Day2; break;
        case 'M': field = count == 1 ? Field::Month : Field::Month2; break;
        case 'y': field = count == 1 ? Field::YearShort : count == 2 ? Field::Year2 : Field::Year4; break;
        case 'h': field = count == 1 ? Field::Hour12 : Field::Hour12Padded; break;
        case 'H': field = count == 1 ? Field::Hour24 : Field::Hour24Padded; break;
        case 'm': field = count == 1 ? Field::Minute : Field::Minute2; break;
        case 's': field = count == 1 ? Field::Second : Field::Second2; break;
        case 't': field = count == 1 ? Field::AmPmFirst : Field::AmPm; break;
        }
        // Day and month names, three-digit years and longer runs are not ours to write.
        const bool known = c == 'y' ? (count == 1 || count == 2 || count == 4) : count <= 2;
        if (!known)
            return false;
        elements.push_back({field, {}});
    }
    return true;
}

size_t CDateTimePattern::MaxLength(const Elements& elements) const
{
    size_t length = 0;
    for (const Element& element : elements)
        length += element.field == Field::Literal ? element.literal.size()
                  : element.field == Field::AmPm  ? std::max(m_am.size(), m_pm.size())
                                                  : 4;
    return length;
}

bool CDateTimePattern::Append(const CDateTime& value, std::string& text) const
{
    CDateTime::Parts parts;
    if (!m_usable || !value.GetParts(parts) || parts.year < 1000)
        return false;
    // Day zero, 30 December 1899, is written as its time alone.
    if (value.m_dt > -1.0 && value.m_dt < 1.0)
        return false;
    const CDateTime exact(parts.year, parts.month, parts.day, parts.hour, parts.minute, parts.second);
    if (exact.m_dt != value.m_dt)
        return false;
    char buffer[kMaxText];
    char* end = Write(m_date, parts, buffer);
    if (parts.hour != 0 || parts.minute != 0 || parts.second != 0) {
        *end++ = ' ';
        end = Write(m_time, parts, end);
    }
    text.append(buffer, static_cast<size_t>(end - buffer));
    return true;
}

char* CDateTimePattern::Write(const Elements& elements, const CDateTime::Parts& parts, char* out) const
{
    const int hour12 = parts.hour == 0 ? 12 : parts.hour > 12 ? parts.hour - 12 : parts.hour;
    const int century = parts.year / 100;
    const int yearInCentury = parts.year - century * 100;
    const std::string& designator = parts.hour < 12 ? m_am : m_pm;
    for (const Element& element : elements) {
        switch (element.field) {
        case Field::Literal: out = std::copy(element.literal.begin(), element.literal.end(), out); break;
        case Field::Day: out = WriteNumber(out, parts.day, false); break;
        case Field::Day2: out = WriteNumber(out, parts.day, true); break;
        case Field::Month: out = WriteNumber(out, parts.month, false); break;
        case Field::Month2: out = WriteNumber(out, parts.month, true); break;
        case Field::YearShort: out = WriteNumber(out, yearInCentury, false); break;
        case Field::Year2: out = WriteNumber(out, yearInCentury, true); break;
        case Field::Year4:
            out = WriteNumber(out, century, true);
            out = WriteNumber(out, yearInCentury, true);
            break;
        case Field::Hour12: out = WriteNumber(out, hour12, false); break;
        case Field::Hour12Padded: out = WriteNumber(out, hour12, true); break;
        case Field::Hour24: out = WriteNumber(out, parts.hour, false); break;
        case Field::Hour24Padded: out = WriteNumber(out, parts.hour, true); break;
        case Field::Minute: out = WriteNumber(out, parts.minute, false); break;
        case Field::Minute2: out = WriteNumber(out, parts.minute, true); break;
        case Field::Second: out = WriteNumber(out, parts.second, false); break;
        case Field::Second2: out = WriteNumber(out, parts.second, true); break;
        case Field::AmPmFirst: *out++ = designator[0]; break;
        case Field::AmPm: out = std::copy(designator.begin(), designator.end(), out); break;
        }
    }
    return out;
}

bool ShortDateMisreadAsGerman(const std::string& shortDate)
{
    bool monthSeen = false;
    bool dotSinceMonth = false;
    for (size_t pos = 0; pos < shortDate.size();) {
        const char c = shortDate[pos];
        if (c == '\'') {
            const size_t close = shortDate.find('\'', pos + 1);
            pos = close == std::string::npos ? shortDate.size() : close + 1;
            continue;
        }
        size_t count = 1;
        while (pos + count < shortDate.size() && shortDate[pos + count] == c)
            ++count;
        pos += count;
        const bool number = count <= 2;
        if (c == 'M' && number && !monthSeen) {
            monthSeen = true;
            dotSinceMonth = false;
        } else if (c == 'd' && number) {
            return monthSeen && dotSinceMonth;
        } else if (c == '.') {
            dotSinceMonth = true;
        }
    }
    return false;
}
