// Reads one file's version resource: string values of a translation and the file version.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace orv::Windows {

class CVersionInfo {
public:
    CVersionInfo() = default;
    CVersionInfo(const CVersionInfo&) = delete;
    CVersionInfo& operator=(const CVersionInfo&) = delete;
    ~CVersionInfo() { Close(); }

    // True when the version resource of `file` was read; selects the translation at `index`.
    bool Open(const std::string& file, size_t translationIndex = 0);
    void Close();

    // A string value such as "FileDescription"; empty when missing.
    std::string GetString(const std::string& name) const;
    bool GetFileVersion(uint16_t& major, uint16_t& minor, uint16_t& revision, uint16_t& build) const;
    // "v1.02c (Build 012C)"; empty without a version.
    std::string FormatVersion() const;

    const std::string& GetPrefix() const { return m_prefix; }

private:
    std::vector<BYTE> m_block;
    std::string m_prefix;
};

}  // namespace orv::Windows
