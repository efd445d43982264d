// First-run import: registry checks and writes, reading the scheme file.
#include "settings/DefaultSchemes.h"

#include "framework/ListFileIo.h"
#include "framework/PathParts.h"
#include "framework/RegistryKey.h"
#include "settings/DefaultSchemeFile.h"
#include "settings/SchemaMap.h"


using orv::Windows::CPathParts;
using orv::Windows::CRegistryKey;

namespace {

// Through the system's file handle: C++ file streams would bring the whole stream and locale
// machinery into the exe for this one read.
bool ReadWholeFile(const std::string& path, std::string& content)
{
    CFileByteSource file;
    if (!file.Open(path))
        return false;
    content.clear();
    char chunk[4096];
    for (;;) {
        size_t got = 0;
        if (!file.Read(chunk, sizeof(chunk), got))
            return false;
        if (got == 0)
            return true;
        content.append(chunk, got);
    }
}

}  // namespace

CDefaultSchemes::CDefaultSchemes(std::string appPath, std::string schemeFile)
    : m_appPath(std::move(appPath)), m_schemeFile(std::move(schemeFile))
{
}

std::string CDefaultSchemes::DefaultSchemeFile()
{
    CPathParts parts(orv::Windows::GetModulePath(nullptr));
    parts.SetTitle("defschem");
    parts.SetExtension(".lst");
    return parts.GetFullPath();
}

CDefaultSchemes::Result CDefaultSchemes::ImportIfFirstRun() const
{
    Result result;
    const std::string appKey = "Software\\" + m_appPath;
    {
        // Any earlier run has created the key; then the user's schemes are left alone, even
        // when there are none.
        CRegistryKey existing;
        if (existing.Open(HKEY_CURRENT_USER, appKey, KEY_READ) == ERROR_SUCCESS)
            return result;
    }

    std::string content;
    if (!ReadWholeFile(m_schemeFile, content)) {
        result.outcome = Outcome::NoFile;
        return result;
    }
    const CDefaultSchemeFile file = ParseDefaultSchemeFile(content);
    result.skippedLines = file.skippedLines;

    CRegistryKey schemata;
    const LONG created = schemata.Create(HKEY_CURRENT_USER, appKey + "\\" + CSchemaMap::kSection,
                                         KEY_ALL_ACCESS);
    if (created != ERROR_SUCCESS) {
        result.outcome = Outcome::KeyFailed;
        result.error = created;
        return result;
    }
    result.outcome = Outcome::Imported;
    for (const CDefaultScheme& scheme : file.schemes) {
        const LONG stored = schemata.SetString(scheme.value, scheme.name);
        if (stored == ERROR_SUCCESS)
            ++result.written;
        else if (result.error == 0)
            result.error = stored;
    }
    return result;
}
