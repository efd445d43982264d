// First-run import: the store's first-run check, reading the scheme file, writing the schemes.
#include "settings/DefaultSchemes.h"

#include "settings/DefaultSchemeFile.h"
#include "settings/SchemaMap.h"

#include <cstdio>
#include <memory>

namespace {

// C stdio, not C++ file streams: those would bring the whole stream and locale machinery into
// the exe for this one read.
bool ReadWholeFile(const std::string& path, std::string& content)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file)
        return false;
    content.clear();
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof(chunk), file.get())) > 0)
        content.append(chunk, got);
    // A folder opens on some systems but cannot be read.
    return !std::ferror(file.get());
}

}  // namespace

CDefaultSchemes::CDefaultSchemes(std::string schemeFile) : m_schemeFile(std::move(schemeFile))
{
}

CDefaultSchemes::Result CDefaultSchemes::ImportIfFirstRun(orv::CProfile& profile) const
{
    Result result;
    // Any earlier run has created the store; then the user's schemes are left alone, even
    // when there are none.
    if (profile.Exists())
        return result;

    std::string content;
    if (!ReadWholeFile(m_schemeFile, content)) {
        result.outcome = Outcome::NoFile;
        return result;
    }
    const CDefaultSchemeFile file = ParseDefaultSchemeFile(content);
    result.skippedLines = file.skippedLines;

    if (!profile.OpenSection(CSchemaMap::kSection)) {
        result.outcome = Outcome::KeyFailed;
        return result;
    }
    result.outcome = Outcome::Imported;
    for (const CDefaultScheme& scheme : file.schemes) {
        if (profile.WriteString(scheme.name, scheme.value))
            ++result.written;
        else
            ++result.failed;
    }
    profile.CloseSection();
    return result;
}
