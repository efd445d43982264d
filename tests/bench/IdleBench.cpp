// Idle CPU share and private memory of the installed Zielmark.exe against a reference window
// that repaints on the same 120 ms rhythm by copying a finished bitmap; both run side by side
// for the same period. Under Wine, CPU time is the Linux threads' exact run time (the system's
// thread times count whole 10 ms ticks, too coarse for well under 1 % of a core), and private
// memory the Linux side's anonymous resident memory, read at the end of the period.
// The pair is started afresh for each of several rounds and the median round counts: within
// one run the two programs' ticks keep their phase to each other, and on a virtual machine that
// alone moves the ratio by a tenth or more from run to run.
// Arguments: path of Zielmark.exe, path of RefWindow.exe, optional seconds per round (default
// 15) and rounds (default 3).
#include "BenchSupport.h"
#include "ChildProcess.h"

#include "app/Win32CoreHost.h"
#include "framework/RegistryProfile.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr char kAppPath[] = "Orvanta\\Zielmark";
constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kCloseTimeoutMs = 10000;
// Start-up work (first-run scheme import, first paints) is not part of the idle period.
constexpr DWORD kSettleMs = 1500;

int Fail(const char* what)
{
    std::fprintf(stderr, "idle: %s (error %lu)\n", what, GetLastError());
    return 1;
}

bool KeyExists(const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// Copies the tree below HKCU\`from` to HKCU\`to`, creating `to`.
bool CopyTree(const std::string& from, const std::string& to)
{
    HKEY source = nullptr, target = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, from.c_str(), 0, KEY_READ, &source) != ERROR_SUCCESS)
        return false;
    bool copied = false;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, to.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &target, nullptr) == ERROR_SUCCESS) {
        copied = RegCopyTreeA(source, nullptr, target) == ERROR_SUCCESS;
        RegCloseKey(target);
    }
    RegCloseKey(source);
    return copied;
}

// The program's own key is prepared for the run and removed afterwards; a key that was there
// before is kept aside meanwhile and put back, so a bench run loses no settings.
class CAppKeyScope {
public:
    CAppKeyScope() = default;
    CAppKeyScope(const CAppKeyScope&) = delete;
    CAppKeyScope& operator=(const CAppKeyScope&) = delete;
    ~CAppKeyScope()
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, SoftwareKey(kAppPath).c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvanta");  // only when empty
        if (m_backup.empty())
            return;
        if (CopyTree(SoftwareKey(m_backup), SoftwareKey(kAppPath)))
            m_backupGuard.reset();  // restored: the copy may go
        else
            std::fprintf(stderr, "idle: the earlier settings stay in HKCU\\%s\n",
                         SoftwareKey(m_backup).c_str());
    }

    // Empties the key, keeping an existing one aside; false when that cannot be done safely.
    bool Prepare()
    {
        if (KeyExists(SoftwareKey(kAppPath))) {
            m_backup = "ZielmarkBench\\Saved" + std::to_string(GetCurrentProcessId());
            m_backupGuard = std::make_unique<CRegistryTreeGuard>(m_backup);
            if (!CopyTree(SoftwareKey(kAppPath), SoftwareKey(m_backup))) {
                m_backup.clear();
                return false;
            }
            std::printf("idle: existing settings kept aside in HKCU\\%s\n",
                        SoftwareKey(m_backup).c_str());
        }
        const LONG result = RegDeleteTreeA(HKEY_CURRENT_USER, SoftwareKey(kAppPath).c_str());
        return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    }

private:
    std::string m_backup;
    std::unique_ptr<CRegistryTreeGuard> m_backupGuard;
};

std::string FolderOf(const std::string& path)
{
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

struct CCpuSample {
    double app = 0.0;
    double reference = 0.0;
    double wall = 0.0;
    std::string source;
};

// Both programs' CPU time, read the same way.
bool Sample(const CChildProcess& app, const CChildProcess& reference, CCpuSample& sample)
{
    sample.wall = QpcSeconds();
    std::string referenceSource;
    return app.CpuSeconds(sample.app, sample.source) && reference.CpuSeconds(sample.reference, referenceSource) &&
           sample.source == referenceSource;
}

// One round: both programs side by side for the period.
struct CRound {
    RECT client{};
    double wall = 0.0;
    double appCpu = 0.0;
    double referenceCpu = 0.0;
    std::string cpuSource;
    bool memoryRead = false;
    SIZE_T appMemory = 0;
    SIZE_T referenceMemory = 0;
    std::string memorySource;
    DWORD memoryError = 0;

    double AppShare() const { return appCpu / wall; }
    double ReferenceShare() const { return referenceCpu / wall; }
    double Ratio() const { return referenceCpu > 0.0 ? appCpu / referenceCpu : 0.0; }
};

// Runs one round; on failure returns what failed, with GetLastError still set.
const char* RunRound(const std::string& appProgram, const std::string& referenceProgram, double seconds,
                     CRound& round)
{
    CChildProcess app;
    if (!app.Start(appProgram, "", FolderOf(appProgram)))
        return "cannot start Zielmark.exe";
    const HWND appWindow = app.WaitForWindow("ZielmarkTimer", kStartTimeoutMs);
    if (!appWindow)
        return "Zielmark.exe shows no timer window";
    Sleep(kSettleMs);  // the first paints size the window to its text
    GetClientRect(appWindow, &round.client);

    CChildProcess reference;
    const std::string size = std::to_string(round.client.right) + " " + std::to_string(round.client.bottom);
    if (!reference.Start(referenceProgram, size, FolderOf(referenceProgram)))
        return "cannot start the reference window";
    const HWND referenceWindow = reference.WaitForWindow("ZielmarkBenchRef", kStartTimeoutMs);
    if (!referenceWindow)
        return "the reference shows no window";

    Sleep(kSettleMs);
    CCpuSample first, last;
    if (!Sample(app, reference, first))
        return "cannot read the CPU times";
    Sleep(static_cast<DWORD>(seconds * 1000.0));
    if (!Sample(app, reference, last))
        return "cannot read the CPU times";
    if (!app.IsRunning() || !reference.IsRunning())
        return "a program ended during the measurement";
    std::string referenceSource;
    round.memoryRead = app.PrivateBytes(round.appMemory, round.memorySource) &&
                       reference.PrivateBytes(round.referenceMemory, referenceSource) &&
                       round.memorySource == referenceSource;
    round.memoryError = round.memoryRead ? 0 : GetLastError();
    round.wall = last.wall - first.wall;
    round.appCpu = last.app - first.app;
    round.referenceCpu = last.reference - first.reference;
    round.cpuSource = last.source;

    DWORD appExit = 0, referenceExit = 0;
    if (!app.Close(appWindow, kCloseTimeoutMs, appExit))
        return "Zielmark.exe did not close cleanly on WM_CLOSE";
    if (!reference.Close(referenceWindow, kCloseTimeoutMs, referenceExit))
        return "the reference did not close cleanly on WM_CLOSE";
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: idle_bench Zielmark.exe RefWindow.exe [seconds [rounds]]\n");
        return 2;
    }
    const std::string appProgram = argv[1];
    const std::string referenceProgram = argv[2];
    const double seconds = argc > 3 ? std::atof(argv[3]) : 15.0;
    const int rounds = argc > 4 ? std::atoi(argv[4]) : 3;
    if (seconds <= 0.0 || rounds <= 0)
        return Fail("the period and the number of rounds must be positive");

    const CWin32CoreHost host;
    CAppKeyScope appKey;
    if (!appKey.Prepare())
        return Fail("cannot set the program's registry key aside");
    {
        // A few appointments, so the window counts down as it does for a user.
        orv::Windows::CRegistryProfile profile;
        profile.SetPath(kAppPath);
        CTerminList termine = SampleTermine(host.Now());
        if (!termine.Save(profile, host))
            return Fail("cannot store the sample appointments");
    }

    std::vector<CRound> done;
    for (int i = 0; i < rounds; ++i) {
        CRound round;
        if (const char* failure = RunRound(appProgram, referenceProgram, seconds, round))
            return Fail(failure);
        if (round.referenceCpu <= 0.0) {
            std::printf("idle: ratio Zielmark/reference not defined: the reference used no measurable CPU time\n");
            return 1;
        }
        std::printf("idle: round %d: %.1f s side by side, client area %ldx%ld, repaint every 120 ms, CPU from %s\n",
                    i + 1, round.wall, round.client.right, round.client.bottom, round.cpuSource.c_str());
        std::printf("idle: round %d: Zielmark.exe CPU %.3f s = %.3f %%, RefWindow.exe CPU %.3f s = %.3f %%, "
                    "ratio %.2f\n", i + 1, round.appCpu, round.AppShare() * 100.0, round.referenceCpu,
                    round.ReferenceShare() * 100.0, round.Ratio());
        done.push_back(round);
    }

    std::sort(done.begin(), done.end(), [](const CRound& a, const CRound& b) { return a.Ratio() < b.Ratio(); });
    const CRound& median = done[done.size() / 2];
    std::printf("idle: ratio Zielmark/reference %.2f, the median of %d rounds (%.2f to %.2f)\n", median.Ratio(),
                rounds, done.front().Ratio(), done.back().Ratio());
    char text[3][64];
    std::snprintf(text[0], sizeof(text[0]), "%.3f %%", median.AppShare() * 100.0);
    std::snprintf(text[1], sizeof(text[1]), "%.3f %%", median.ReferenceShare() * 100.0);
    std::snprintf(text[2], sizeof(text[2]), "ratio %.2f", median.Ratio());
    PrintTableRow("idle: CPU share (median round)", text[0], text[1], text[2], "ratio <= 1.05", median.Ratio() <= 1.05);

    // Memory: the round with the largest difference, so a single heavy start is not hidden.
    const auto difference = [](const CRound& r) {
        return static_cast<double>(r.appMemory) - static_cast<double>(r.referenceMemory);
    };
    const CRound* worst = nullptr;
    for (const CRound& round : done)
        if (round.memoryRead && (!worst || difference(round) > difference(*worst)))
            worst = &round;
    if (worst) {
        constexpr double kMegabyte = 1024.0 * 1024.0;
        const double appMb = static_cast<double>(worst->appMemory) / kMegabyte;
        const double referenceMb = static_cast<double>(worst->referenceMemory) / kMegabyte;
        const double memoryRatio = referenceMb > 0.0 ? appMb / referenceMb : 0.0;
        std::printf("idle: private memory (%s, the largest difference of the rounds) Zielmark.exe %.2f MB, "
                    "RefWindow.exe %.2f MB, ratio %.2f, difference %+.2f MB\n", worst->memorySource.c_str(), appMb,
                    referenceMb, memoryRatio, appMb - referenceMb);
        std::snprintf(text[0], sizeof(text[0]), "%.2f MB", appMb);
        std::snprintf(text[1], sizeof(text[1]), "%.2f MB", referenceMb);
        std::snprintf(text[2], sizeof(text[2]), "ratio %.2f, %+.2f MB", memoryRatio, appMb - referenceMb);
        PrintTableRow("idle: private memory", text[0], text[1], text[2], "<= +0.50 MB", appMb - referenceMb <= 0.5);
    } else {
        std::printf("idle: private memory not readable (error %lu)\n", done.front().memoryError);
        PrintTableRow("idle: private memory", "n/a", "n/a", "not readable", "<= +0.50 MB", false);
    }
    return 0;
}
