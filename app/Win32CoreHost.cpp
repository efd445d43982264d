// Win32 services of the core: GetLocalTime, VarBstrFromDate/VarDateFromStr, LoadString.
#include "app/Win32CoreHost.h"

#include "platform/CodePage.h"
#include "platform/LateDlls.h"
#include "platform/ResourceText.h"

#include <oleauto.h>

#include <vector>

namespace {

// Frees a BSTR when it goes out of scope.
class CBstr {
public:
    ~CBstr() { orv::late::SysFreeString(m_text); }
    BSTR* operator&() { return &m_text; }
    BSTR Get() const { return m_text; }

private:
    BSTR m_text = nullptr;
};

// Whether `year` is what the text wrote: a year written with four digits is taken as written
// ("0001" is not 2001); where no four-digit number appears, the parser's reading of a shorter
// year stands.
bool YearAsWritten(const std::string& text, int year)
{
    bool fourDigits = false;
    for (size_t pos = 0; pos < text.size();) {
        if (text[pos] < '0' || text[pos] > '9') {
            ++pos;
            continue;
        }
        const size_t start = pos;
        int number = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 5)
            number = number * 10 + (text[pos++] - '0');
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9')
            ++pos;
        if (pos - start == 4) {
            if (number == year)
                return true;
            fourDigits = true;
        }
    }
    return !fourDigits;
}

// A locale text that is plain ASCII, or nothing: the pattern takes no other text.
bool AsciiLocaleInfo(LCID locale, LCTYPE type, std::string& text)
{
    wchar_t buffer[128] = L"";
    if (!GetLocaleInfoW(locale, type, buffer, ARRAYSIZE(buffer)))
        return false;
    text.clear();
    for (const wchar_t* c = buffer; *c; ++c) {
        if (*c >= 0x80)
            return false;
        text += static_cast<char>(*c);
    }
    return true;
}

}  // namespace

CDateTimePattern CWin32CoreHost::LocalePattern() const
{
    CDateTimePattern pattern;
    std::string shortDate, time, am, pm;
    if (!AsciiLocaleInfo(m_locale, LOCALE_SSHORTDATE, shortDate) ||
        !AsciiLocaleInfo(m_locale, LOCALE_STIMEFORMAT, time) || !AsciiLocaleInfo(m_locale, LOCALE_S1159, am) ||
        !AsciiLocaleInfo(m_locale, LOCALE_S2359, pm) || !pattern.Compile(shortDate, time, am, pm))
        return {};
    // One- and two-digit days, months, hours and years, both halves of the day, a date before
    // day zero: a calendar or reading of the pictures other than ours shows in one of them.
    static const int kProbes[][6] = {
        {2005, 1, 2, 0, 0, 0},     {2021, 12, 24, 18, 30, 15}, {1999, 10, 31, 0, 5, 9},
        {2020, 2, 29, 12, 0, 0},   {1000, 1, 1, 1, 1, 1},      {1899, 12, 29, 11, 59, 59},
        {9999, 12, 31, 23, 59, 59}, {2010, 7, 9, 9, 7, 0},
    };
    for (const auto& probe : kProbes) {
        const CDateTime value(probe[0], probe[1], probe[2], probe[3], probe[4], probe[5]);
        std::string text;
        if (!pattern.Append(value, text) || text != FormatDateTime(value))
            return {};
    }
    return pattern;
}

std::unique_ptr<CDateTimeWriter> CWin32CoreHost::CreateDateTimeWriter() const
{
    CDateTimePattern pattern = LocalePattern();
    if (!pattern.IsUsable())
        return CCoreHost::CreateDateTimeWriter();
    return std::make_unique<CPatternDateTimeWriter>(*this, std::move(pattern));
}

CDateTime CWin32CoreHost::Now() const
{
    const SYSTEMTIME now = m_clock.Now();
    return CDateTime(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
}

std::string CWin32CoreHost::FormatDateTime(const CDateTime& value) const
{
    CBstr text;
    if (FAILED(orv::late::VarBstrFromDate(value.m_dt, m_locale, 0, &text)))
        return {};
    return Narrow(text.Get());
}

bool CWin32CoreHost::ParseDateTime(const std::string& text, CDateTime& value) const
{
    // The German numeric form reads the same in every locale, so stored data stays portable;
    // but where the user's own dates would be misread by it ("03.04.2021" written month first),
    // what the program wrote itself comes first.
    const bool germanFirst = !ShortDateMisreadAsGerman(ShortDatePicture());
    if (germanFirst && ParseGermanDateTime(text, value))
        return true;
    if (ParseLocaleDateTime(text, value))
        return true;
    return !germanFirst && ParseGermanDateTime(text, value);
}

std::string CWin32CoreHost::ShortDatePicture() const
{
    // Read at each use: the user may change it while the program runs, and the next date
    // written follows the change at once. Only its ASCII letters and dots matter here.
    wchar_t buffer[128] = L"";
    if (!GetLocaleInfoW(m_locale, LOCALE_SSHORTDATE, buffer, ARRAYSIZE(buffer)))
        return {};
    std::string picture;
    for (const wchar_t* c = buffer; *c; ++c)
        picture += *c < 0x80 ? static_cast<char>(*c) : ' ';
    return picture;
}

bool CWin32CoreHost::ParseLocaleDateTime(const std::string& text, CDateTime& value) const
{
    DATE date = 0;
    std::wstring wide = Widen(text);
    if (wide.empty() || FAILED(orv::late::VarDateFromStr(&wide[0], m_locale, 0, &date)))
        return false;
    // Keep whole seconds only, as everything else does.
    CDateTime::Parts parts;
    if (!CDateTime(date).GetParts(parts) || !YearAsWritten(text, parts.year))
        return false;
    CDateTime parsed;
    if (!parsed.SetDateTime(parts.year, parts.month, parts.day, parts.hour, parts.minute,
                            parts.second))
        return false;
    value = parsed;
    return true;
}

std::string CWin32CoreHost::LoadText(int id) const
{
    return LoadResourceText(id);
}
