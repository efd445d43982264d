// Reading appointment list files line by line, whatever their size: ANSI, UTF-8 with or without
// its mark, UTF-16 with its mark. Portable, so that the fuzzer reaches every byte of it; the
// conversion to the ANSI code page is the platform's and comes in through CAnsiConverter.
#pragma once

#include "core/CoreHost.h"
#include "core/TerminList.h"

#include <cstddef>
#include <string>

// Where the bytes of a list file come from.
class CByteSource {
public:
    virtual ~CByteSource() = default;
    // Up to `size` bytes into `buffer`; `got` is 0 at the end. False on a read error.
    virtual bool Read(char* buffer, size_t size, size_t& got) = 0;
    // Back to the first byte; false when that fails.
    virtual bool Rewind() = 0;
};

// Bytes held in memory: tests and the fuzzer.
class CMemoryByteSource : public CByteSource {
public:
    explicit CMemoryByteSource(std::string bytes) : m_bytes(std::move(bytes)) {}
    bool Read(char* buffer, size_t size, size_t& got) override;
    bool Rewind() override
    {
        m_position = 0;
        return true;
    }

private:
    std::string m_bytes;
    size_t m_position = 0;
};

// Unicode text to the ANSI code page of the system.
class CAnsiConverter {
public:
    virtual ~CAnsiConverter() = default;
    // False when a character has no form in the code page: no best fit, no "?".
    virtual bool FromUtf16(const std::u16string& text, std::string& ansi) const = 0;
};

// Windows-1252, the code page of a German or Western system: for portable code and tests.
class CWindows1252Converter : public CAnsiConverter {
public:
    bool FromUtf16(const std::u16string& text, std::string& ansi) const override;
};

enum class ListFileEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

class CListFileReader {
public:
    // Lines longer than this without the blanks around them are invalid; they are skipped
    // without being kept.
    static constexpr size_t kMaxLineBytes = 64 * 1024;

    enum class Line { Text, Invalid, End, Error };

    CListFileReader(CByteSource& source, const CAnsiConverter& converter);

    // Finds the encoding: from a byte-order mark, or by reading the file through once (valid
    // UTF-8 with bytes above 127 is UTF-8, anything else ANSI) and rewinding. False on a read error.
    bool Start();
    ListFileEncoding Encoding() const { return m_encoding; }
    // How many lines Start saw, at least one: the whole file when it looked for the encoding,
    // else its first chunk. A hint for the room to make, not a count of appointments.
    size_t LinesSeen() const { return m_lineBreaks + 1; }

    // The next line that is not blank: trimmed, in the ANSI code page. Invalid: a NUL, more than
    // kMaxLineBytes, a broken UTF-8 or UTF-16 sequence, or a character without ANSI form. A
    // Ctrl+Z ends an ANSI or UTF-8 file, as reading in text mode does.
    Line Next(std::string& text);

private:
    bool Fill();
    // The next byte; false at the end or on a read error (m_failed).
    bool NextByte(unsigned char& byte);
    bool FindEncoding();
    Line ReadByteLine(std::string& text);
    Line ReadUtf16Line(std::string& text);

    CByteSource& m_source;
    const CAnsiConverter& m_converter;
    ListFileEncoding m_encoding = ListFileEncoding::Ansi;
    std::string m_buffer;
    size_t m_filled = 0;
    size_t m_position = 0;
    bool m_failed = false;
    bool m_atEnd = false;
    bool m_starting = false;
    size_t m_lineBreaks = 0;
};

// Spaces as the text form's reader knows them: blank, tab, CR, LF, vertical tab, form feed.
std::string TrimListLine(const std::string& line);

// Reads every valid line of the source into `candidates` (appended in file order, with
// m_bModified set), the dates as `host` reads them; `invalidLines` tells whether any line was
// refused. False on a read error, after which `candidates` holds what came before it.
bool ReadListFileEntries(CByteSource& source, const CAnsiConverter& converter,
                         CTerminList& candidates, bool& invalidLines, const CCoreHost& host);

// The line a list file holds for an appointment, with its CR LF, the date as `host` writes it.
std::string ListFileLine(const CTermin& termin, const CCoreHost& host);
// The same line appended to `bytes`, its date written by `dates`.
void AppendListFileLine(std::string& bytes, const CTermin& termin, const CDateTimeWriter& dates);
