// Win32 services of the core: GetLocalTime, VarBstrFromDate/VarDateFromStr, LoadString.
#include "app/Win32CoreHost.h"

#include "platform/CodePage.h"
#include "platform/ResourceText.h"

#include <oleauto.h>

#include <vector>

namespace {

// Frees a BSTR when it goes out of scope.
class CBstr {
public:
    ~CBstr() { SysFreeString(m_text); }
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

}  // namespace

CDateTime CWin32CoreHost::Now() const
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return CDateTime(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
}

std::string CWin32CoreHost::FormatDateTime(const CDateTime& value) const
{
    CBstr text;
    if (FAILED(VarBstrFromDate(value.m_dt, m_locale, 0, &text)))
        return {};
    return Narrow(text.Get());
}

bool CWin32CoreHost::ParseDateTime(const std::string& text, CDateTime& value) const
{
    // The German numeric form reads the same in every locale, so stored data stays portable.
    if (ParseGermanDateTime(text, value))
        return true;
    DATE date = 0;
    std::wstring wide = Widen(text);
    if (FAILED(VarDateFromStr(&wide[0], m_locale, 0, &date)))
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
