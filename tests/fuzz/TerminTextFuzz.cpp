// Any appointment text that reads writes back to a text that reads to the same record.
#include "core/CoreHost.h"
#include "core/Termin.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const CPortableCoreHost host;
    CTermin first;
    if (!first.ParseText(text, host))
        return 0;
    const std::string written = first.FormatText(host);
    CTermin second;
    if (!second.ParseText(written, host))
        std::abort();
    if (second.m_dtTarget.m_dt != first.m_dtTarget.m_dt || second.m_bYearly != first.m_bYearly ||
        second.m_nPreposition != first.m_nPreposition ||
        second.m_strDescription != first.m_strDescription)
        std::abort();
    if (second.FormatText(host) != written)
        std::abort();
    return 0;
}
