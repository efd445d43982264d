// A locale's short date and time pictures, written without the platform where that provably
// gives the platform's own date-time text.
#pragma once

#include "core/DateTime.h"

#include <string>
#include <vector>

class CDateTimePattern {
public:
    // Takes the pictures as the locale gives them and its AM and PM designators. Known: d dd M MM
    // y yy yyyy in the date, h hh H HH m mm s ss t tt in the time, quoted text, other printable
    // ASCII. False (and the pattern writes nothing) for anything else: names of days and months,
    // eras, other letters, text outside ASCII, an empty designator that a picture shows.
    bool Compile(const std::string& shortDate, const std::string& time, const std::string& am,
                 const std::string& pm);
    bool IsUsable() const { return m_usable; }

    // Appends the date, and the time unless it is midnight. False, and nothing appended, where
    // only the platform knows its text: years before 1000 (how it pads them), day zero (it writes
    // the time alone), values between whole seconds (how it rounds them), invalid ones.
    bool Append(const CDateTime& value, std::string& text) const;

private:
    enum class Field : unsigned char {
        Literal, Day, Day2, Month, Month2, YearShort, Year2, Year4,
        Hour12, Hour12Padded, Hour24, Hour24Padded, Minute, Minute2, Second, Second2, AmPmFirst, AmPm,
    };
    struct Element {
        Field field;
        std::string literal;
    };
    using Elements = std::vector<Element>;

    static constexpr size_t kMaxText = 256;

    bool CompilePicture(const std::string& picture, const char* letters, Elements& elements) const;
    size_t MaxLength(const Elements& elements) const;
    char* Write(const Elements& elements, const CDateTime::Parts& parts, char* out) const;

    Elements m_date;
    Elements m_time;
    std::string m_am;
    std::string m_pm;
    bool m_usable = false;
};

// Whether the German numeric form (day.month.year) would misread what a short-date picture
// writes: the picture puts a numeric month before the day with a dot between them, as
// "MM.dd.yyyy" does. Quoted text and names of days and months are not numbers.
bool ShortDateMisreadAsGerman(const std::string& shortDate);
