// One appointment: a target moment, the yearly flag, the preposition and the description.
#pragma once

#include "core/DateTime.h"

#include <cstdint>
#include <string>

class CCoreHost;
class CDateTimeWriter;

class CTermin {
public:
    // Yearly, preposition 0, no description, at the day count 0; reads no clock.
    CTermin() = default;
    CTermin(const CDateTime& target, bool yearly, int32_t preposition, std::string description);
    // What a new appointment starts as: the day after `now` at 00:00:00, yearly.
    static CTermin Tomorrow(const CDateTime& now);
    CTermin(const CTermin&) = default;
    CTermin& operator=(const CTermin&) = default;
    CTermin(CTermin&&) noexcept = default;
    CTermin& operator=(CTermin&&) noexcept = default;
    virtual ~CTermin() = default;

    // Reads the one-line text form "date;yearly;preposition;description", the date as `host`
    // reads it; false when any of the first three fields is empty or unreadable (the record may
    // then be partly filled).
    bool ParseText(const std::string& text, const CCoreHost& host);
    // The text form with the date as `host` writes it.
    std::string FormatText(const CCoreHost& host) const;
    // Appends the text form with the date as `dates` writes it: many records without a copy each.
    void AppendText(std::string& text, const CDateTimeWriter& dates) const;

    bool operator<(const CTermin& other) const { return m_dtTarget < other.m_dtTarget; }

    CDateTime m_dtTarget;
    bool m_bYearly = true;
    int32_t m_nPreposition = 0;
    std::string m_strDescription;
};

// Equal in all four fields (the records' own comparison looks at the moment alone).
bool SameTermin(const CTermin& a, const CTermin& b);

constexpr int kPrepositionCount = 7;
// The preposition text of `host` for an index 0..6 followed by one blank ("bis zum ").
std::string PrepositionText(int32_t index, const CCoreHost& host);
