// The services the portable core needs from its platform: clock, locale date text and texts.
#pragma once

#include "core/DateTime.h"
#include "core/DateTimePattern.h"

#include <memory>
#include <string>
#include <vector>

class CDateTimeWriter;

// Handed to whatever needs it by its caller: the Win32 program's own host, natively the portable
// one (German date text, the C library clock, the built-in text table), in tests a fake.
class CCoreHost {
public:
    virtual ~CCoreHost() = default;

    // Current local date and time in whole seconds.
    virtual CDateTime Now() const = 0;
    // Locale date-time text of appointments: the date alone at midnight.
    virtual std::string FormatDateTime(const CDateTime& value) const = 0;
    virtual bool ParseDateTime(const std::string& text, CDateTime& value) const = 0;
    // For many dates in a row (a list file): the text of FormatDateTime, with whatever this host
    // can look up once for the lot looked up now. By default FormatDateTime date by date.
    virtual std::unique_ptr<CDateTimeWriter> CreateDateTimeWriter() const;
    // A text of the string table by its id; empty when there is none.
    virtual std::string LoadText(int id) const = 0;
};

// The portable host: also the base of test fakes that override a few services.
class CPortableCoreHost : public CCoreHost {
public:
    CDateTime Now() const override;
    std::string FormatDateTime(const CDateTime& value) const override;
    bool ParseDateTime(const std::string& text, CDateTime& value) const override;
    std::string LoadText(int id) const override;
};

// Appends the host's locale date-time text of a value.
class CDateTimeWriter {
public:
    virtual ~CDateTimeWriter() = default;
    virtual void Append(const CDateTime& value, std::string& text) const = 0;
};

class CHostDateTimeWriter : public CDateTimeWriter {
public:
    explicit CHostDateTimeWriter(const CCoreHost& host) : m_host(host) {}
    void Append(const CDateTime& value, std::string& text) const override;

private:
    const CCoreHost& m_host;
};

// The locale's pattern where it writes the host's text, the host's FormatDateTime elsewhere.
class CPatternDateTimeWriter : public CDateTimeWriter {
public:
    CPatternDateTimeWriter(const CCoreHost& host, CDateTimePattern pattern)
        : m_host(host), m_pattern(std::move(pattern)) {}
    void Append(const CDateTime& value, std::string& text) const override;

private:
    const CCoreHost& m_host;
    CDateTimePattern m_pattern;
};

struct BuiltInTextEntry {
    int id;
    const char* text;  // UTF-8
};
// The built-in table: the same lines the resource script's string table is made of.
const std::vector<BuiltInTextEntry>& BuiltInTexts();
// Text of the built-in table, empty when unknown.
const char* BuiltInText(int id);
