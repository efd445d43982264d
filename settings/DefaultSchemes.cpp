// First-run import: the store's first-run check, reading the scheme file, writing the schemes.
#include "settings/DefaultSchemes.h"

#include "settings/DefaultSchemeFile.h"
#include "settings/SchemaMap.h"

#include <fstream>
#include <iterator>

namespace {

bool ReadWholeFile(const std::string& path, std::string& content)
{
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in)
        return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
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
