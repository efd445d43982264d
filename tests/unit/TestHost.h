// A core host for tests: a clock they set and German date text; installed while it lives.
#pragma once

#include "core/CoreHost.h"

#include <string>

class CTestHost : public CPortableCoreHost {
public:
    CTestHost() { m_previous = SetCoreHost(this); }
    ~CTestHost() override { SetCoreHost(m_previous); }
    CTestHost(const CTestHost&) = delete;
    CTestHost& operator=(const CTestHost&) = delete;

    // Sets the clock from German text, e.g. "01.06.2022 00:00:00".
    void SetNow(const std::string& text) { ParseGermanDateTime(text, m_now); }

    CDateTime Now() const override { return m_now; }

private:
    CCoreHost* m_previous = nullptr;
    CDateTime m_now{CDateTime(2021, 12, 1, 12, 0, 0)};
};
