// A core host for tests: a clock they set, German date text, recorded due messages.
#pragma once

#include "core/CoreHost.h"

#include <string>
#include <vector>

class CTestHost : public CPortableCoreHost {
public:
    CTestHost() { m_previous = SetCoreHost(this); }
    ~CTestHost() override { SetCoreHost(m_previous); }
    CTestHost(const CTestHost&) = delete;
    CTestHost& operator=(const CTestHost&) = delete;

    // Sets the clock from German text, e.g. "01.06.2022 00:00:00".
    void SetNow(const std::string& text) { ParseGermanDateTime(text, m_now); }
    void SetMainWindow(bool present) { m_mainWindow = present; }

    CDateTime Now() const override { return m_now; }
    bool HasMainWindow() const override { return m_mainWindow; }
    bool ShowDueMessage(const std::string& text) override
    {
        if (boxesLeft == 0)
            return false;  // as the system refuses a box
        if (boxesLeft > 0)
            --boxesLeft;
        messages.push_back(text);
        return true;
    }

    std::vector<std::string> messages;
    int boxesLeft = -1;  // how many more boxes can be shown; -1 for any number

private:
    CCoreHost* m_previous = nullptr;
    CDateTime m_now{CDateTime(2021, 12, 1, 12, 0, 0)};
    bool m_mainWindow = true;
};
