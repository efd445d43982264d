// Shared pieces of the benchmarks: a high-resolution clock, timing summaries, a registry area
// that is removed afterwards, and a few appointments to count down to.
#pragma once

#include "core/TerminList.h"

#include <windows.h>

#include <string>
#include <vector>

// Seconds on the performance counter; only differences mean anything.
double QpcSeconds();

// Mean and median of a series of timings (seconds).
struct CTimingSummary {
    double mean = 0.0;
    double median = 0.0;
};
CTimingSummary Summarize(std::vector<double> samples);

// Removes HKCU\Software\<path> and everything below it when it goes out of scope, and the
// parent key as well when that is left empty.
class CRegistryTreeGuard {
public:
    explicit CRegistryTreeGuard(std::string path);
    CRegistryTreeGuard(const CRegistryTreeGuard&) = delete;
    CRegistryTreeGuard& operator=(const CRegistryTreeGuard&) = delete;
    ~CRegistryTreeGuard();

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// Four appointments from a few hours to a few hundred days ahead of `now`, so the text shows
// days, hours, minutes and seconds; marked modified so that Save writes them.
CTerminList SampleTermine(const CDateTime& now);

// One row of the table `make bench` prints at the end: the figure, Zielmark's value, the
// reference's value, how they compare, the target and whether it is met. The line starts with
// kTableMarker so the script can collect the rows of every benchmark into one table.
constexpr char kTableMarker[] = "@table";
void PrintTableRow(const std::string& figure, const std::string& ours, const std::string& reference,
                   const std::string& comparison, const std::string& target, bool met);
// A row for two durations in seconds, shown in `unit` ("ms" or "us"): the ratio against `target`.
void PrintRatioRow(const std::string& figure, double ours, double reference, const char* unit, double target);

// "Software\<path>" with backslashes, as the registry calls want it.
std::string SoftwareKey(const std::string& path);
