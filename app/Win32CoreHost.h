// The core's services on Windows: local clock, OLE locale date text, string table.
#pragma once

#include "app/LocalClock.h"
#include "core/CoreHost.h"
#include "platform/ResourceText.h"

#include <windows.h>

class CWin32CoreHost : public CCoreHost {
public:
    // `locale` is the locale of the date text; tests pin one, the program uses the user's.
    explicit CWin32CoreHost(LCID locale = LOCALE_USER_DEFAULT) : m_locale(locale) {}
    CWin32CoreHost(const CWin32CoreHost&) = delete;
    CWin32CoreHost& operator=(const CWin32CoreHost&) = delete;
    ~CWin32CoreHost() override = default;

    CDateTime Now() const override;
    std::string FormatDateTime(const CDateTime& value) const override;
    bool ParseDateTime(const std::string& text, CDateTime& value) const override;
    // The locale's pattern as it stands now, where it writes what VarBstrFromDate writes.
    std::unique_ptr<CDateTimeWriter> CreateDateTimeWriter() const override;
    std::string LoadText(int id) const override;

    // The locale's short date and time pattern, usable only when it is ASCII, known element by
    // element and gives the OLE text for a set of telling dates.
    CDateTimePattern LocalePattern() const;

private:
    // The locale's short-date picture, ASCII with anything else as a blank.
    std::string ShortDatePicture() const;
    bool ParseLocaleDateTime(const std::string& text, CDateTime& value) const;

    LCID m_locale;
    mutable CLocalClock m_clock;  // a cache of the zone offset: reading the clock changes no state
};
