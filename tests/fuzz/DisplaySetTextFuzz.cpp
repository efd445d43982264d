// Any display settings text that reads writes back to a text that reads to the same record.
#include "settings/DisplaySet.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CDisplaySet first;
    if (!first.ParseText(text))
        return 0;
    if (first.m_nDisplayType < 0 || first.m_nDisplayType > 2 ||
        (first.m_bTransparent != 0 && first.m_bTransparent != 1) ||
        first.m_nFadingStep < CDisplaySet::kMinFadingStep ||
        first.m_nFadingStep > CDisplaySet::kMaxFadingStep)
        std::abort();
    const std::string written = first.FormatText();
    // A different starting record proves that every field comes from the text.
    CDisplaySet second;
    second.m_nDisplayType = (first.m_nDisplayType + 1) % 3;
    second.m_crTextColor = ~first.m_crTextColor;
    if (!second.ParseText(written) || second != first || second.FormatText() != written)
        std::abort();
    return 0;
}
