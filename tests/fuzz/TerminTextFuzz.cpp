// Any appointment text that reads writes back to a text that reads to the same record.
#include "core/Termin.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CTermin first;
    if (!first.ParseText(text))
        return 0;
    const std::string written = first.FormatText();
    CTermin second;
    if (!second.ParseText(written))
        std::abort();
    if (second.m_dtTarget.m_dt != first.m_dtTarget.m_dt || second.m_bYearly != first.m_bYearly ||
        second.m_nPreposition != first.m_nPreposition ||
        second.m_strDescription != first.m_strDescription)
        std::abort();
    if (second.FormatText() != written)
        std::abort();
    return 0;
}
