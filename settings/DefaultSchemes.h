// First-run import of the predefined display schemes from the file beside the program.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CDefaultSchemes {
public:
    enum class Outcome {
        NotFirstRun,  // the application key exists: nothing was read
        NoFile,       // the scheme file cannot be opened or read
        KeyFailed,    // the section "Schemata" cannot be created
        Imported,     // every accepted line was tried (see error for failed writes)
    };
    struct Result {
        Outcome outcome = Outcome::NotFirstRun;
        long error = 0;        // first registry error, 0 when none
        size_t written = 0;    // scheme values stored
        std::vector<size_t> skippedLines;
    };

    // `appPath` as for the settings store ("Orvanta\Zielmark"); `schemeFile` defaults to
    // "defschem.lst" beside the program.
    explicit CDefaultSchemes(std::string appPath, std::string schemeFile = DefaultSchemeFile());
    virtual ~CDefaultSchemes() = default;

    // Stores every "name:value" line of the scheme file as a value of the section "Schemata",
    // but only when the application key does not exist yet, that is on a user's first start.
    Result ImportIfFirstRun() const;

    static std::string DefaultSchemeFile();

private:
    std::string m_appPath;
    std::string m_schemeFile;
};
