// List file reading: encoding from the mark or the content, lines of bounded length, conversion.
#include "core/ListFileReader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kChunkBytes = 64 * 1024;
// Ctrl+Z: older tools end a text file with it, and text-mode reading stops there.
constexpr char kEndOfText = '\x1A';
// The most records room is made for in advance; a longer file grows the list as it goes.
constexpr size_t kMaxReservedRecords = 64 * 1024;

// Follows UTF-8 byte by byte: shortest forms only, no surrogates, nothing above U+10FFFF.
class CUtf8Validator {
public:
    void Feed(unsigned char byte)
    {
        if (m_bad)
            return;
        if (m_needed > 0) {
            if (byte < m_low || byte > m_high) {
                m_bad = true;
                return;
            }
            --m_needed;
            m_low = 0x80;
            m_high = 0xBF;
            return;
        }
        if (byte < 0x80)
            return;
        m_highSeen = true;
        if (byte >= 0xC2 && byte <= 0xDF)
            m_needed = 1;
        else if (byte == 0xE0)
            m_needed = 2, m_low = 0xA0;
        else if ((byte >= 0xE1 && byte <= 0xEC) || byte == 0xEE || byte == 0xEF)
            m_needed = 2;
        else if (byte == 0xED)
            m_needed = 2, m_high = 0x9F;
        else if (byte == 0xF0)
            m_needed = 3, m_low = 0x90;
        else if (byte >= 0xF1 && byte <= 0xF3)
            m_needed = 3;
        else if (byte == 0xF4)
            m_needed = 3, m_high = 0x8F;
        else
            m_bad = true;
    }
    bool IsBad() const { return m_bad; }
    bool IsComplete() const { return !m_bad && m_needed == 0; }
    bool HighSeen() const { return m_highSeen; }

private:
    int m_needed = 0;
    unsigned char m_low = 0x80;
    unsigned char m_high = 0xBF;
    bool m_bad = false;
    bool m_highSeen = false;
};

bool IsAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// False for anything the validator refuses.
bool DecodeUtf8(const std::string& bytes, std::u16string& text)
{
    text.clear();
    text.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        CUtf8Validator check;
        const auto lead = static_cast<unsigned char>(bytes[i]);
        check.Feed(lead);
        if (check.IsBad())
            return false;
        size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (i + length > bytes.size())
            return false;
        char32_t point = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            check.Feed(next);
            if (check.IsBad())
                return false;
            point = (point << 6) | (next & 0x3F);
        }
        if (point >= 0x10000) {
            point -= 0x10000;
            text.push_back(static_cast<char16_t>(0xD800 + (point >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + (point & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(point));
        }
        i += length;
    }
    return true;
}

bool HasUnpairedSurrogate(const std::u16string& text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF)
                return true;
            ++i;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            return true;
        }
    }
    return false;
}

bool IsListSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

bool CMemoryByteSource::Read(char* buffer, size_t size, size_t& got)
{
    got = std::min(size, m_bytes.size() - m_position);
    std::memcpy(buffer, m_bytes.data() + m_position, got);
    m_position += got;
    return true;
}

bool CWindows1252Converter::FromUtf16(const std::u16string& text, std::string& ansi) const
{
    // 0x80..0x9F of the code page; 0 where it has no character of its own.
    static const char16_t kHighControls[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    ansi.clear();
    ansi.reserve(text.size());
    for (const char16_t unit : text) {
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
            ansi.push_back(static_cast<char>(unit));
            continue;
        }
        const auto found = std::find(std::begin(kHighControls), std::end(kHighControls), unit);
        if (found == std::end(kHighControls))
            return false;
        ansi.push_back(static_cast<char>(0x80 + (found - std::begin(kHighControls))));
    }
    return true;
}

namespace {

// In place: a line read is trimmed without a copy of it.
void TrimInPlace(std::string& line)
{
    size_t end = line.size();
    while (end > 0 && IsListSpace(line[end - 1]))
        --end;
    line.erase(end);
    size_t begin = 0;
    while (begin < line.size() && IsListSpace(line[begin]))
        ++begin;
    line.erase(0, begin);
}

}  // namespace

std::string TrimListLine(const std::string& line)
{
    std::string trimmed = line;
    TrimInPlace(trimmed);
    return trimmed;
}

CListFileReader::CListFileReader(CByteSource& source, const CAnsiConverter& converter)
    : m_source(source), m_converter(converter), m_buffer(kChunkBytes, '\0')
{
}

bool CListFileReader::Fill()
{
    m_position = 0;
    m_filled = 0;
    if (m_atEnd || m_failed)
        return false;
    size_t got = 0;
    if (!m_source.Read(&m_buffer[0], m_buffer.size(), got)) {
        m_failed = true;
        return false;
    }
    if (got == 0) {
        m_atEnd = true;
        return false;
    }
    m_filled = got;
    if (m_starting) {
        const char* const begin = m_buffer.data();
        m_lineBreaks += static_cast<size_t>(
            std::max(std::count(begin, begin + got, '\n'), std::count(begin, begin + got, '\r')));
    }
    return true;
}

bool CListFileReader::NextByte(unsigned char& byte)
{
    if (m_position == m_filled && !Fill())
        return false;
    byte = static_cast<unsigned char>(m_buffer[m_position++]);
    return true;
}

bool CListFileReader::Start()
{
    m_starting = true;
    m_lineBreaks = 0;
    const bool started = FindEncoding();
    m_starting = false;
    return started;
}

bool CListFileReader::FindEncoding()
{
    unsigned char first = 0, second = 0, third = 0;
    CUtf8Validator check;
    size_t consumed = 0;
    if (NextByte(first)) {
        ++consumed;
        if (NextByte(second))
            ++consumed;
    }
    if (consumed == 2 && first == 0xFF && second == 0xFE) {
        m_encoding = ListFileEncoding::Utf16LE;
        return true;
    }
    if (consumed == 2 && first == 0xFE && second == 0xFF) {
        m_encoding = ListFileEncoding::Utf16BE;
        return true;
    }
    if (consumed == 2 && first == 0xEF && second == 0xBB && NextByte(third)) {
        ++consumed;
        if (third == 0xBF) {
            m_encoding = ListFileEncoding::Utf8;
            return true;
        }
    }
    if (m_failed)
        return false;
    const unsigned char prefix[3] = {first, second, third};
    bool ended = false;  // what follows a Ctrl+Z is not text
    for (size_t i = 0; i < consumed && !ended; ++i) {
        ended = prefix[i] == static_cast<unsigned char>(kEndOfText);
        if (!ended)
            check.Feed(prefix[i]);
    }
    // Through to the end even once the bytes cannot be UTF-8: the lines are counted on the way.
    while (!ended && (m_position < m_filled || Fill())) {
        if (check.IsBad()) {
            m_position = m_filled;
            continue;
        }
        // Between sequences, a run of ASCII tells the validator nothing.
        if (check.IsComplete()) {
            while (m_position < m_filled && static_cast<unsigned char>(m_buffer[m_position]) < 0x80 &&
                   m_buffer[m_position] != kEndOfText)
                ++m_position;
            if (m_position == m_filled)
                continue;
        }
        if (m_buffer[m_position] == kEndOfText)
            ended = true;
        else
            check.Feed(static_cast<unsigned char>(m_buffer[m_position++]));
    }
    if (m_failed)
        return false;
    m_encoding = check.IsComplete() && check.HighSeen() ? ListFileEncoding::Utf8 : ListFileEncoding::Ansi;
    if (!m_source.Rewind()) {
        m_failed = true;
        return false;
    }
    m_position = m_filled = 0;
    m_atEnd = false;
    return true;
}

CListFileReader::Line CListFileReader::Next(std::string& text)
{
    for (;;) {
        const bool wide = m_encoding == ListFileEncoding::Utf16LE || m_encoding == ListFileEncoding::Utf16BE;
        const Line line = wide ? ReadUtf16Line(text) : ReadByteLine(text);
        if (line != Line::Text || !text.empty())
            return line;
    }
}

CListFileReader::Line CListFileReader::ReadByteLine(std::string& text)
{
    text.clear();
    bool overlong = false;
    bool any = false;
    // A run of the buffer up to the line's end at a time, not byte by byte.
    while (m_position < m_filled || Fill()) {
        any = true;
        const char* start = m_buffer.data() + m_position;
        const char* const end = m_buffer.data() + m_filled;
        const char* const stop =
            std::find_if(start, end, [](char c) { return c == '\n' || c == '\r' || c == kEndOfText; });
        m_position += static_cast<size_t>(stop - start);
        // Blanks around the line do not count towards its length: they are trimmed anyway.
        if (text.empty())
            start = std::find_if_not(start, stop, IsListSpace);
        const auto length = static_cast<size_t>(stop - start);
        const size_t room = kMaxLineBytes - std::min(text.size(), kMaxLineBytes);
        text.append(start, std::min(length, room));
        overlong = overlong || std::any_of(start + std::min(length, room), stop, [](char c) { return !IsListSpace(c); });
        if (stop != end) {
            if (*stop == kEndOfText) {
                m_position = m_filled;
                m_atEnd = true;
            } else {
                ++m_position;  // the CR or LF that ends the line
            }
            break;
        }
    }
    if (m_failed)
        return Line::Error;
    if (!any)
        return Line::End;
    if (overlong || text.find('\0') != std::string::npos)
        return Line::Invalid;
    if (m_encoding == ListFileEncoding::Utf8 && !IsAscii(text)) {
        std::u16string wide;
        std::string ansi;
        if (!DecodeUtf8(text, wide) || !m_converter.FromUtf16(wide, ansi))
            return Line::Invalid;
        text = std::move(ansi);
    }
    TrimInPlace(text);
    return Line::Text;
}

CListFileReader::Line CListFileReader::ReadUtf16Line(std::string& text)
{
    text.clear();
    std::u16string wide;
    bool overlong = false;
    bool oddByte = false;
    bool any = false;
    const bool littleEndian = m_encoding == ListFileEncoding::Utf16LE;
    unsigned char first = 0, second = 0;
    while (NextByte(first)) {
        any = true;
        if (!NextByte(second)) {
            oddByte = !m_failed;
            break;
        }
        const auto unit = static_cast<char16_t>(littleEndian ? first | (second << 8) : (first << 8) | second);
        if (unit == u'\n' || unit == u'\r')
            break;
        const bool blank = unit < 0x80 && IsListSpace(static_cast<char>(unit));
        if (blank && wide.empty())
            continue;  // blanks before the text count towards no limit
        if (wide.size() * 2 < kMaxLineBytes)
            wide.push_back(unit);
        else
            overlong = overlong || !blank;
    }
    if (m_failed)
        return Line::Error;
    if (!any)
        return Line::End;
    if (overlong || oddByte || wide.find(u'\0') != std::u16string::npos || HasUnpairedSurrogate(wide))
        return Line::Invalid;
    if (std::all_of(wide.begin(), wide.end(), [](char16_t unit) { return unit < 0x80; }))
        text.assign(wide.begin(), wide.end());
    else if (!m_converter.FromUtf16(wide, text))
        return Line::Invalid;
    TrimInPlace(text);
    return Line::Text;
}

bool ReadListFileEntries(CByteSource& source, const CAnsiConverter& converter,
                         CTerminList& candidates, bool& invalidLines, const CCoreHost& host)
{
    invalidLines = false;
    CListFileReader reader(source, converter);
    if (!reader.Start())
        return false;
    candidates.Reserve(candidates.GetSize() + std::min(reader.LinesSeen(), kMaxReservedRecords));
    // Each line starts from the same empty appointment, made once for the whole file.
    const CTermin fresh;
    std::string text;
    for (;;) {
        switch (reader.Next(text)) {
        case CListFileReader::Line::End:
            return true;
        case CListFileReader::Line::Error:
            return false;
        case CListFileReader::Line::Invalid:
            invalidLines = true;
            break;
        case CListFileReader::Line::Text: {
            CTermin termin = fresh;
            if (termin.ParseText(text, host)) {
                candidates.Add(std::move(termin));
                candidates.m_bModified = 1;
            } else {
                invalidLines = true;
            }
            break;
        }
        }
    }
}

std::string ListFileLine(const CTermin& termin, const CCoreHost& host)
{
    std::string line;
    AppendListFileLine(line, termin, CHostDateTimeWriter(host));
    return line;
}

void AppendListFileLine(std::string& bytes, const CTermin& termin, const CDateTimeWriter& dates)
{
    termin.AppendText(bytes, dates);
    bytes += "\r\n";
}
