// Parsing the default scheme file content, independent of how it was read.
#include "settings/DefaultSchemeFile.h"

bool ParseDefaultSchemeLine(const std::string& line, std::string& name, std::string& value)
{
    const auto colon = line.find(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    if (line.find('\0') != std::string::npos)
        return false;
    name = line.substr(0, colon);
    value = line.substr(colon + 1);
    return true;
}

CDefaultSchemeFile ParseDefaultSchemeFile(const std::string& content)
{
    CDefaultSchemeFile file;
    size_t start = 0;
    for (size_t number = 1; start < content.size(); ++number) {
        size_t end = content.find('\n', start);
        const size_t next = end == std::string::npos ? content.size() : end + 1;
        if (end == std::string::npos)
            end = content.size();
        // Text mode turns "\r\n" into a line end; a lone "\r" stays part of the line.
        else if (end > start && content[end - 1] == '\r')
            --end;
        CDefaultScheme scheme;
        scheme.line = number;
        if (ParseDefaultSchemeLine(content.substr(start, end - start), scheme.name, scheme.value))
            file.schemes.push_back(std::move(scheme));
        else
            file.skippedLines.push_back(number);
        start = next;
    }
    return file;
}
