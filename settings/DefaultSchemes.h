// First-run import of the predefined display schemes from the file beside the program.
#pragma once

#include "core/Profile.h"

#include <cstddef>
#include <string>
#include <vector>

class CDefaultSchemes {
public:
    // The file's name; it lies in the program's folder.
    static constexpr const char* kFileName = "defschem.lst";

    enum class Outcome {
        NotFirstRun,  // the store exists: nothing was read
        NoFile,       // the scheme file cannot be opened or read
        KeyFailed,    // the section "Schemata" cannot be opened
        Imported,     // every accepted line was tried (see failed for refused writes)
    };
    struct Result {
        Outcome outcome = Outcome::NotFirstRun;
        size_t failed = 0;     // scheme values the store refused
        size_t written = 0;    // scheme values stored
        std::vector<size_t> skippedLines;
    };

    // `schemeFile` is the full path of the scheme file.
    explicit CDefaultSchemes(std::string schemeFile);
    virtual ~CDefaultSchemes() = default;

    // Stores every "name:value" line of the scheme file as a value of the section "Schemata" of
    // `profile`, but only when the store does not exist yet, that is on a user's first start.
    Result ImportIfFirstRun(orv::CProfile& profile) const;

private:
    std::string m_schemeFile;
};
