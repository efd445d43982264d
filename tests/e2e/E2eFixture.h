// Common ground of the end-to-end tests: a clean registry key before each test, one run of the
// program, typed access to the stored window options, and German date texts.
#pragma once

#include "AppRegistry.h"
#include "ProgramRun.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace e2e {

class ZielmarkTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Kills a run still alive and removes the key again.
    void TearDown() override;

    // Starts the installed program and waits until its timer window has been painted.
    // Null (with a recorded failure) when no window appears.
    HWND Start(const RunOptions& options = {});
    // Posts WM_CLOSE to the timer window and waits for the process to end.
    bool CloseByMessage(HWND timer);

    ProgramRun& Run() { return *m_run; }

private:
    std::unique_ptr<ProgramRun> m_run;
};

// A placement block as the program stores it: normal state with this rectangle.
WINDOWPLACEMENT NormalPlacement(const RECT& normal);
void StorePlacement(const WINDOWPLACEMENT& placement);
void StoreInt(const std::string& name, int32_t value);
// MainWnd values, read only when they have the exact type and length the program writes.
std::optional<WINDOWPLACEMENT> StoredPlacement();
std::optional<bool> StoredBool(const std::string& name);
std::optional<int32_t> StoredInt(const std::string& name);

struct Date {
    int year;
    int month;
    int day;
};

Date Today();
// The date `days` days away from `date` (negative: earlier).
Date AddDays(const Date& date, int days);
// "dd.mm.yyyy hh:mm:ss", the German form the program reads, writes and shows.
std::string GermanDateTime(const Date& date, int hour, int minute, int second);

}  // namespace e2e
