// Clock, summaries, registry clean-up and sample appointments for the benchmarks.
#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <utility>

double QpcSeconds()
{
    static const double frequency = [] {
        LARGE_INTEGER value{};
        QueryPerformanceFrequency(&value);
        return static_cast<double>(value.QuadPart);
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

CTimingSummary Summarize(std::vector<double> samples)
{
    CTimingSummary summary;
    if (samples.empty())
        return summary;
    summary.mean = std::accumulate(samples.begin(), samples.end(), 0.0) /
                   static_cast<double>(samples.size());
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    summary.median = *middle;
    return summary;
}

void PrintTableRow(const std::string& figure, const std::string& ours, const std::string& reference,
                   const std::string& comparison, const std::string& target, bool met)
{
    std::printf("%s\t%s\t%s\t%s\t%s\t%s\t%s\n", kTableMarker, figure.c_str(), ours.c_str(), reference.c_str(),
                comparison.c_str(), target.c_str(), met ? "ok" : "over");
}

void PrintRatioRow(const std::string& figure, double ours, double reference, const char* unit, double target)
{
    const double scale = std::strcmp(unit, "us") == 0 ? 1e6 : 1e3;
    auto format = [](const char* pattern, double value, const char* suffix = "") {
        char text[64];
        std::snprintf(text, sizeof(text), pattern, value, suffix);
        return std::string(text);
    };
    const std::string unitSuffix = std::string(" ") + unit;
    if (reference <= 0.0) {
        PrintTableRow(figure, format("%.2f%s", ours * scale, unitSuffix.c_str()),
                      format("%.2f%s", reference * scale, unitSuffix.c_str()), "ratio n/a",
                      format("ratio <= %.2f", target), false);
        return;
    }
    const double ratio = ours / reference;
    PrintTableRow(figure, format("%.2f%s", ours * scale, unitSuffix.c_str()),
                  format("%.2f%s", reference * scale, unitSuffix.c_str()), format("ratio %.2f", ratio),
                  format("ratio <= %.2f", target), ratio <= target);
}

std::string SoftwareKey(const std::string& path)
{
    return "Software\\" + path;
}

CRegistryTreeGuard::CRegistryTreeGuard(std::string path) : m_path(std::move(path))
{
    RegDeleteTreeA(HKEY_CURRENT_USER, SoftwareKey(m_path).c_str());
}

CRegistryTreeGuard::~CRegistryTreeGuard()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, SoftwareKey(m_path).c_str());
    const size_t cut = m_path.rfind('\\');
    if (cut != std::string::npos)  // RegDeleteKey refuses a key that still has subkeys
        RegDeleteKeyA(HKEY_CURRENT_USER, SoftwareKey(m_path.substr(0, cut)).c_str());
}

CTerminList SampleTermine(const CDateTime& now)
{
    struct Sample {
        double daysAhead;
        bool yearly;
        int preposition;
        const char* description;
    };
    const Sample samples[] = {
        {0.25, false, 0, "Feierabend"},
        {12.5, false, 1, "Zahnarzttermin"},
        {123.75, true, 0, "Weihnachten"},
        {321.0, true, 2, "Jahresabschluss"},
    };
    CTerminList list;
    for (const Sample& sample : samples) {
        const CDateTime target = now + CDateTimeSpan(sample.daysAhead);
        CDateTime::Parts parts;
        target.GetParts(parts);
        list.Add(CTermin(CDateTime(parts.year, parts.month, parts.day, parts.hour, parts.minute,
                                   parts.second),
                         sample.yearly, sample.preposition, sample.description));
    }
    list.Sort();
    list.m_bModified = 1;
    return list;
}
