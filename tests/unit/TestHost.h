// A core host for tests: a clock they set and German date text, handed to what they test.
#pragma once

#include "core/CoreHost.h"

#include <string>

class CTestHost : public CPortableCoreHost {
public:
    CTestHost() = default;
    CTestHost(const CTestHost&) = delete;
    CTestHost& operator=(const CTestHost&) = delete;

    // Sets the clock from German text, e.g. "01.06.2022 00:00:00".
    void SetNow(const std::string& text) { ParseGermanDateTime(text, m_now); }

    CDateTime Now() const override { return m_now; }

private:
    CDateTime m_now{CDateTime(2021, 12, 1, 12, 0, 0)};
};
