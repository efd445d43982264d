// Default scheme file content: every line is either a scheme or skipped, and every scheme
// whose value reads as display settings writes back to a text that reads the same.
#include "settings/DefaultSchemeFile.h"
#include "settings/DisplaySet.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string content(reinterpret_cast<const char*>(data), size);
    const CDefaultSchemeFile file = ParseDefaultSchemeFile(content);
    size_t lines = 0;
    for (size_t pos = 0; pos < content.size(); ++lines) {
        const size_t end = content.find('\n', pos);
        pos = end == std::string::npos ? content.size() : end + 1;
    }
    if (file.schemes.size() + file.skippedLines.size() != lines)
        std::abort();
    for (const CDefaultScheme& scheme : file.schemes) {
        if (scheme.name.empty() || scheme.name.find(':') != std::string::npos ||
            scheme.name.find('\0') != std::string::npos ||
            scheme.value.find('\n') != std::string::npos || scheme.line == 0 || scheme.line > lines)
            std::abort();
        CDisplaySet set;
        if (!set.ParseText(scheme.value))
            continue;
        CDisplaySet again;
        if (!again.ParseText(set.FormatText()) || again != set)
            std::abort();
    }
    return 0;
}
