// List files on disk: reading through a file handle, and writing beside the target so that an
// existing file is replaced only once everything has been written.
#pragma once

#include "core/IndexArray.h"
#include "core/ListFileReader.h"
#include "core/TerminList.h"

#include <windows.h>

#include <string>

enum class ListFileStatus {
    Ok,
    OpenFailed,  // errors 2005 and 2007
    IoFailed,    // errors 2006 and 2008
};

// WideCharToMultiByte without best fit: a character the code page lacks refuses the line.
class CWin32AnsiConverter : public CAnsiConverter {
public:
    bool FromUtf16(const std::u16string& text, std::string& ansi) const override;
};

// Owns a kernel file handle.
class CFileHandle {
public:
    explicit CFileHandle(HANDLE handle = INVALID_HANDLE_VALUE) : m_handle(handle) {}
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;
    ~CFileHandle() { Close(); }
    HANDLE Get() const { return m_handle; }
    bool IsValid() const { return m_handle != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE handle)
    {
        Close();
        m_handle = handle;
    }
    // False when the system reports a failure while closing.
    bool Close();

private:
    HANDLE m_handle;
};

class CFileByteSource : public CByteSource {
public:
    // False when the file cannot be opened for reading (also for a folder).
    bool Open(const std::string& path);
    bool Read(char* buffer, size_t size, size_t& got) override;
    bool Rewind() override;

private:
    CFileHandle m_file;
};

// A temporary file in the target's folder that replaces the target on Commit. Destroyed
// without Commit, it removes itself and the target stays as it was.
class CReplacingFile {
public:
    explicit CReplacingFile(std::string target);
    CReplacingFile(const CReplacingFile&) = delete;
    CReplacingFile& operator=(const CReplacingFile&) = delete;
    virtual ~CReplacingFile();

    // False when the target cannot be written: a folder, read-only, locked, no such folder.
    bool Open();
    bool Write(const std::string& bytes);
    // Flushes, closes and replaces the target; false (and the target untouched) on any failure.
    bool Commit();
    const std::string& TempPath() const { return m_tempPath; }

protected:
    virtual bool WriteBytes(const char* data, DWORD size);

private:
    void Abandon();

    std::string m_target;
    std::string m_tempPath;
    CFileHandle m_file;
};

// The valid appointments of the file, appended to `candidates`, their dates as `host` reads
// them; `invalidLines` tells whether a line was refused.
ListFileStatus ReadListFile(const std::string& path, CTerminList& candidates, bool& invalidLines,
                            const CCoreHost& host);
// The entries of `list` at `positions`, in list order, one CR LF line each, the dates as `host`
// writes them.
ListFileStatus WriteListFile(const std::string& path, const CTerminList& list, const CIndexArray& positions,
                             const CCoreHost& host);
ListFileStatus WriteListFile(CReplacingFile& file, const CTerminList& list, const CIndexArray& positions,
                             const CCoreHost& host);
