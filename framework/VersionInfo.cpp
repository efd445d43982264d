// Version resource reader on top of GetFileVersionInfo/VerQueryValue.
#include "framework/VersionInfo.h"

#include "core/HelpText.h"
#include "core/StringUtil.h"
#include "platform/LateDlls.h"

namespace orv::Windows {

bool CVersionInfo::Open(const std::string& file, size_t translationIndex)
{
    Close();
    DWORD handle = 0;
    const DWORD size = late::GetFileVersionInfoSizeA(file.c_str(), &handle);
    if (size == 0)
        return false;
    m_block.assign(size, 0);
    if (!late::GetFileVersionInfoA(file.c_str(), 0, size, m_block.data())) {
        Close();
        return false;
    }
    WORD language = 0x0000;
    WORD codePage = 0x04B0;
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT length = 0;
    if (late::VerQueryValueA(m_block.data(), "\\VarFileInfo\\Translation",
                       reinterpret_cast<void**>(&translations), &length) &&
        translations) {
        const size_t count = length / sizeof(Translation);
        if (translationIndex < count) {
            language = translations[translationIndex].language;
            codePage = translations[translationIndex].codePage;
        } else if (count > 0) {
            language = translations[0].language;
            codePage = translations[0].codePage;
        }
    }
    m_prefix = Format("\\StringFileInfo\\%04X%04X\\", language, codePage);
    return true;
}

void CVersionInfo::Close()
{
    std::vector<BYTE>().swap(m_block);
    m_prefix.clear();
}

std::string CVersionInfo::GetString(const std::string& name) const
{
    if (m_block.empty())
        return {};
    char* value = nullptr;
    UINT length = 0;
    // VerQueryValueA wants a writable block pointer, but does not change the block.
    void* block = const_cast<BYTE*>(m_block.data());
    if (!late::VerQueryValueA(block, (m_prefix + name).c_str(), reinterpret_cast<void**>(&value), &length) ||
        !value)
        return {};
    std::string text(value, length);
    const auto end = text.find('\0');
    return end == std::string::npos ? text : text.substr(0, end);
}

bool CVersionInfo::GetFileVersion(uint16_t& major, uint16_t& minor, uint16_t& revision,
                                  uint16_t& build) const
{
    if (m_block.empty())
        return false;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    void* block = const_cast<BYTE*>(m_block.data());
    if (!late::VerQueryValueA(block, "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
        length < sizeof(VS_FIXEDFILEINFO))
        return false;
    major = HIWORD(fixed->dwFileVersionMS);
    minor = LOWORD(fixed->dwFileVersionMS);
    revision = HIWORD(fixed->dwFileVersionLS);
    build = LOWORD(fixed->dwFileVersionLS);
    return true;
}

std::string CVersionInfo::FormatVersion() const
{
    uint16_t major = 0, minor = 0, revision = 0, build = 0;
    if (!GetFileVersion(major, minor, revision, build))
        return {};
    return FormatVersionText(major, minor, revision, build);
}

}  // namespace orv::Windows
