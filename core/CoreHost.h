// The services the portable core needs from its platform: clock, locale date text and texts.
#pragma once

#include "core/DateTime.h"

#include <string>
#include <vector>

// The Win32 program installs its own host at start-up; tests install fakes. Without one, a
// portable host serves: German date text, the C library clock, the built-in text table.
class CCoreHost {
public:
    virtual ~CCoreHost() = default;

    // Current local date and time in whole seconds.
    virtual CDateTime Now() const = 0;
    // Locale date-time text of appointments: the date alone at midnight.
    virtual std::string FormatDateTime(const CDateTime& value) const = 0;
    virtual bool ParseDateTime(const std::string& text, CDateTime& value) const = 0;
    // A text of the string table by its id; empty when there is none.
    virtual std::string LoadText(int id) const = 0;
};

CCoreHost& CoreHost();
// Installs `host` (null restores the portable host) and returns the one it replaces.
CCoreHost* SetCoreHost(CCoreHost* host);

// The portable host: also the base of test fakes that override a few services.
class CPortableCoreHost : public CCoreHost {
public:
    CDateTime Now() const override;
    std::string FormatDateTime(const CDateTime& value) const override;
    bool ParseDateTime(const std::string& text, CDateTime& value) const override;
    std::string LoadText(int id) const override;
};

struct BuiltInTextEntry {
    int id;
    const char* text;  // UTF-8
};
// The built-in table: the same lines the resource script's string table is made of.
const std::vector<BuiltInTextEntry>& BuiltInTexts();
// Text of the built-in table, empty when unknown.
const char* BuiltInText(int id);
