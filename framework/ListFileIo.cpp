// List files through kernel file handles; conversions through the system's ANSI code page.
#include "framework/ListFileIo.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr size_t kWriteChunk = 64 * 1024;

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

}  // namespace

bool CWin32AnsiConverter::FromUtf16(const std::u16string& text, std::string& ansi) const
{
    ansi.clear();
    if (text.empty())
        return true;
    const std::wstring wide(text.begin(), text.end());  // wchar_t holds UTF-16 on Windows
    const int length = static_cast<int>(wide.size());
    // A UTF-8 system code page has every character and takes neither flag nor default.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, flags, wide.data(), length, nullptr, 0, nullptr,
                                         utf8 ? nullptr : &usedDefault);
    if (size <= 0 || usedDefault)
        return false;
    ansi.resize(static_cast<size_t>(size));
    const int written = WideCharToMultiByte(CP_ACP, flags, wide.data(), length, &ansi[0], size, nullptr,
                                            utf8 ? nullptr : &usedDefault);
    return written == size && !usedDefault;
}

bool CFileHandle::Close()
{
    if (m_handle == INVALID_HANDLE_VALUE)
        return true;
    const bool closed = CloseHandle(m_handle) != FALSE;
    m_handle = INVALID_HANDLE_VALUE;
    return closed;
}

bool CFileByteSource::Open(const std::string& path)
{
    m_file.Reset(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    return m_file.IsValid();
}

bool CFileByteSource::Read(char* buffer, size_t size, size_t& got)
{
    DWORD read = 0;
    const DWORD wanted = static_cast<DWORD>(size > 0x10000000 ? 0x10000000 : size);
    if (!ReadFile(m_file.Get(), buffer, wanted, &read, nullptr))
        return false;
    got = read;
    return true;
}

bool CFileByteSource::Rewind()
{
    LARGE_INTEGER start{};
    return SetFilePointerEx(m_file.Get(), start, nullptr, FILE_BEGIN) != FALSE;
}

CReplacingFile::CReplacingFile(std::string target) : m_target(std::move(target))
{
}

CReplacingFile::~CReplacingFile()
{
    Abandon();
}

void CReplacingFile::Abandon()
{
    m_file.Close();
    if (!m_tempPath.empty())
        DeleteFileA(m_tempPath.c_str());
    m_tempPath.clear();
}

bool CReplacingFile::Open()
{
    Abandon();
    const DWORD attributes = GetFileAttributesA(m_target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            return false;
        // Whatever would keep us from writing it (rights, another program's lock) shows now.
        CFileHandle probe(CreateFileA(m_target.c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!probe.IsValid())
            return false;
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;
    }
    std::vector<char> temp(MAX_PATH + 1, '\0');
    if (!GetTempFileNameA(FolderOf(m_target).c_str(), "zm", 0, temp.data()))
        return false;
    m_tempPath = temp.data();
    m_file.Reset(CreateFileA(m_tempPath.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!m_file.IsValid()) {
        Abandon();
        return false;
    }
    return true;
}

bool CReplacingFile::WriteBytes(const char* data, DWORD size)
{
    DWORD written = 0;
    return WriteFile(m_file.Get(), data, size, &written, nullptr) && written == size;
}

bool CReplacingFile::Write(const std::string& bytes)
{
    if (!m_file.IsValid())
        return false;
    if (bytes.empty() || WriteBytes(bytes.data(), static_cast<DWORD>(bytes.size())))
        return true;
    Abandon();
    return false;
}

bool CReplacingFile::Commit()
{
    if (!m_file.IsValid())
        return false;
    // Data that cannot reach the disk is a write failure, not a success.
    const bool flushed = FlushFileBuffers(m_file.Get()) != FALSE;
    const bool closed = m_file.Close();
    if (!flushed || !closed ||
        !MoveFileExA(m_tempPath.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        Abandon();
        return false;
    }
    m_tempPath.clear();
    return true;
}

ListFileStatus ReadListFile(const std::string& path, CTerminList& candidates, bool& invalidLines,
                            const CCoreHost& host)
{
    invalidLines = false;
    CFileByteSource source;
    if (!source.Open(path))
        return ListFileStatus::OpenFailed;
    const CWin32AnsiConverter converter;
    return ReadListFileEntries(source, converter, candidates, invalidLines, host) ? ListFileStatus::Ok
                                                                                  : ListFileStatus::IoFailed;
}

ListFileStatus WriteListFile(const std::string& path, const CTerminList& list, const CIndexArray& positions,
                             const CCoreHost& host)
{
    CReplacingFile file(path);
    return WriteListFile(file, list, positions, host);
}

ListFileStatus WriteListFile(CReplacingFile& file, const CTerminList& list, const CIndexArray& positions,
                             const CCoreHost& host)
{
    if (!file.Open())
        return ListFileStatus::OpenFailed;
    // Working-list order, whatever order the rows were selected or shown in.
    CIndexArray ordered = positions;
    if (!std::is_sorted(ordered.Indices().begin(), ordered.Indices().end())) {
        ordered.SetAscending();
        ordered.Sort();
    }
    // The locale is looked up once for the whole file, not once per line.
    const std::unique_ptr<CDateTimeWriter> dates = host.CreateDateTimeWriter();
    std::string chunk;
    chunk.reserve(kWriteChunk + 1024);
    for (const int32_t position : ordered.Indices()) {
        if (position < 0 || static_cast<size_t>(position) >= list.GetSize())
            continue;
        AppendListFileLine(chunk, list[static_cast<size_t>(position)], *dates);
        if (chunk.size() >= kWriteChunk) {
            if (!file.Write(chunk))
                return ListFileStatus::IoFailed;
            chunk.clear();
        }
    }
    if (!file.Write(chunk) || !file.Commit())
        return ListFileStatus::IoFailed;
    return ListFileStatus::Ok;
}
