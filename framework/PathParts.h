// Paths beside the program: a split path whose title and extension can be replaced, and helpers.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

namespace orv::Windows {

// Writes itself to a C text stream: C++ streams would bring their whole stream and locale
// machinery into the exe.
class CPrintable {
public:
    virtual ~CPrintable() = default;
    virtual std::FILE* WriteTo(std::FILE* out) const = 0;
};

class CPathParts : public CPrintable {
public:
    explicit CPathParts(const std::string& path);

    // Both return the length of the new part + 1. Parts longer than 255 characters are cut.
    size_t SetTitle(const std::string& title);
    size_t SetExtension(const std::string& extension);  // with the dot, e.g. ".lst"

    std::string GetDrive() const { return m_drive; }
    std::string GetDirectory() const { return m_directory; }
    std::string MakePath() const;
    std::string GetFullPath() const;
    // The absolute folder of the path with a trailing backslash.
    std::string GetFolder() const;

    std::FILE* WriteTo(std::FILE* out) const override;

private:
    std::string m_drive;
    std::string m_directory;
    std::string m_title;
    std::string m_extension;
};

// The absolute form of a path; empty when the runtime cannot resolve it.
std::string FullPath(const std::string& path);
// The full file name of a loaded module (the program for its own instance).
std::string GetModulePath(HMODULE module);
// Formats a line for the debugger output; nothing else sees it.
void Trace(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace orv::Windows
