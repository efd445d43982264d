// The default scheme file "defschem.lst": one "name:display settings" line per scheme.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct CDefaultScheme {
    size_t line = 0;    // 1-based line number in the file
    std::string name;   // text before the first colon
    std::string value;  // everything after it, further colons included
};

struct CDefaultSchemeFile {
    std::vector<CDefaultScheme> schemes;
    std::vector<size_t> skippedLines;  // 1-based numbers of the ignored lines
};

// Splits one line (without its line end) at its first colon. False for a line without a colon,
// with the colon first, or with a zero byte (a value name would end there).
bool ParseDefaultSchemeLine(const std::string& line, std::string& name, std::string& value);

// Cuts the file content into lines ("\n" or "\r\n"; text after the last line end is a line of
// its own when it is not empty) and parses each. The value is not checked: values that are not
// a display settings text are skipped when the schemes are loaded.
CDefaultSchemeFile ParseDefaultSchemeFile(const std::string& content);
