// Test fixture, stored-option access and date texts for the end-to-end tests.
#include "E2eFixture.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace e2e {

namespace {

constexpr const char* kMainWnd = "MainWnd";
constexpr ULONGLONG kTicksPerDay = 24ULL * 60 * 60 * 10000000;
// The timer window's size from its creation until the first paint.
constexpr SIZE kCreationSize{180, 10};

}  // namespace

void ZielmarkTest::SetUp()
{
    ASSERT_FALSE(InstalledExe().empty()) << "usage: e2e_tests <path of the installed Zielmark.exe>";
    ASSERT_TRUE(AppRegistry::Delete()) << "the program's registry key cannot be removed";
}

void ZielmarkTest::TearDown()
{
    m_run.reset();
    AppRegistry::Delete();
}

HWND ZielmarkTest::Start(const RunOptions& options)
{
    m_run = std::make_unique<ProgramRun>(InstalledExe(), options);
    HWND timer = m_run->WaitForTimerWindow();
    if (!timer) {
        // Ended at once: a program that hangs before its window would hold up every later test.
        const bool running = m_run->IsRunning();
        m_run->Kill();
        ADD_FAILURE() << "no timer window in time; the program "
                      << (running ? "still ran and was ended"
                                  : "ended with exit code " + std::to_string(m_run->ExitCode()));
        return nullptr;
    }
    // The window shows before its first paint gives it the size of its text, and the program
    // may report idle before that (a wait inside its start-up counts). So wait for the paint,
    // then for a message that only the message loop handles.
    m_run->WaitForIdle();
    const bool painted = WaitUntil([&] {
        const SIZE size = WindowSize(timer);
        return size.cx != kCreationSize.cx || size.cy != kCreationSize.cy;
    }, 10000);
    EXPECT_TRUE(painted) << "the timer window keeps its creation size";
    DWORD_PTR result = 0;
    EXPECT_TRUE(SendMessageTimeoutA(timer, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &result));
    return timer;
}

bool ZielmarkTest::CloseByMessage(HWND timer)
{
    PostMessageA(timer, WM_CLOSE, 0, 0);
    return m_run->WaitForExit();
}

WINDOWPLACEMENT NormalPlacement(const RECT& normal)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    placement.showCmd = SW_SHOWNORMAL;
    placement.ptMinPosition = POINT{-1, -1};
    placement.ptMaxPosition = POINT{-1, -1};
    placement.rcNormalPosition = normal;
    return placement;
}

void StorePlacement(const WINDOWPLACEMENT& placement)
{
    AppRegistry::SetBinary(kMainWnd, "Placement", &placement, sizeof(placement));
}

void StoreInt(const std::string& name, int32_t value)
{
    AppRegistry::SetBinary(kMainWnd, name, &value, sizeof(value));
}

std::optional<WINDOWPLACEMENT> StoredPlacement()
{
    const auto value = AppRegistry::Get(kMainWnd, "Placement");
    if (!value || value->type != REG_BINARY || value->data.size() != sizeof(WINDOWPLACEMENT))
        return std::nullopt;
    WINDOWPLACEMENT placement{};
    std::memcpy(&placement, value->data.data(), sizeof(placement));
    return placement;
}

std::optional<bool> StoredBool(const std::string& name)
{
    const auto value = AppRegistry::Get(kMainWnd, name);
    if (!value || value->type != REG_BINARY || value->data.size() != 1)
        return std::nullopt;
    return value->data[0] != 0;
}

std::optional<int32_t> StoredInt(const std::string& name)
{
    const auto value = AppRegistry::Get(kMainWnd, name);
    if (!value || value->type != REG_BINARY || value->data.size() != sizeof(int32_t))
        return std::nullopt;
    int32_t result = 0;
    std::memcpy(&result, value->data.data(), sizeof(result));
    return result;
}

Date Today()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return Date{now.wYear, now.wMonth, now.wDay};
}

Date AddDays(const Date& date, int days)
{
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    FILETIME file{};
    SystemTimeToFileTime(&time, &file);
    ULARGE_INTEGER ticks{};
    ticks.LowPart = file.dwLowDateTime;
    ticks.HighPart = file.dwHighDateTime;
    ticks.QuadPart += static_cast<LONGLONG>(days) * static_cast<LONGLONG>(kTicksPerDay);
    file.dwLowDateTime = ticks.LowPart;
    file.dwHighDateTime = ticks.HighPart;
    FileTimeToSystemTime(&file, &time);
    return Date{time.wYear, time.wMonth, time.wDay};
}

std::string GermanDateTime(const Date& date, int hour, int minute, int second)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%02d.%02d.%04d %02d:%02d:%02d", date.day, date.month,
                  date.year, hour, minute, second);
    return text;
}

}  // namespace e2e
