// Path splitting and joining through the C runtime, module paths and debugger trace.
#include "framework/PathParts.h"

#include "core/StringUtil.h"

#include <cstdarg>
#include <cstdlib>

namespace orv::Windows {

namespace {

constexpr size_t kPartCapacity = 256;

std::string Limited(const std::string& text)
{
    return text.substr(0, kPartCapacity - 1);
}

}  // namespace

CPathParts::CPathParts(const std::string& path)
{
    char drive[_MAX_DRIVE] = "";
    char directory[kPartCapacity] = "";
    char title[kPartCapacity] = "";
    char extension[kPartCapacity] = "";
    _splitpath(path.c_str(), drive, directory, title, extension);
    m_drive = drive;
    m_directory = directory;
    m_title = title;
    m_extension = extension;
}

size_t CPathParts::SetTitle(const std::string& title)
{
    m_title = Limited(title);
    return m_title.size() + 1;
}

size_t CPathParts::SetExtension(const std::string& extension)
{
    m_extension = Limited(extension);
    return m_extension.size() + 1;
}

std::string CPathParts::MakePath() const
{
    char path[MAX_PATH] = "";
    // _makepath has no size check: join only what fits.
    if (m_drive.size() + m_directory.size() + m_title.size() + m_extension.size() + 2 >= MAX_PATH)
        return {};
    _makepath(path, m_drive.c_str(), m_directory.c_str(), m_title.c_str(), m_extension.c_str());
    return path;
}

std::string CPathParts::GetFullPath() const
{
    return FullPath(MakePath());
}

std::string CPathParts::GetFolder() const
{
    const CPathParts full(GetFullPath());
    return full.m_drive + full.m_directory;
}

std::FILE* CPathParts::WriteTo(std::FILE* out) const
{
    std::fputs(MakePath().c_str(), out);
    return out;
}

std::string FullPath(const std::string& path)
{
    char full[MAX_PATH] = "";
    if (path.empty() || !_fullpath(full, path.c_str(), MAX_PATH))
        return {};
    return full;
}

std::string GetModulePath(HMODULE module)
{
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

void Trace(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    const std::string text = FormatV(format, args);
    va_end(args);
    OutputDebugStringA(text.c_str());
}

}  // namespace orv::Windows
