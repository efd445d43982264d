// Any bytes as a list file: reading ends, keeps its bounds, does not depend on how the bytes
// arrive, and every appointment it takes reads back from the line an export writes for it.
#include "core/ListFileReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// Hands out bytes in small, uneven pieces, so lines and marks cross chunk borders.
class CPiecewiseSource : public CByteSource {
public:
    explicit CPiecewiseSource(std::string bytes) : m_bytes(std::move(bytes)) {}
    bool Read(char* buffer, size_t size, size_t& got) override
    {
        const size_t piece = 1 + (m_reads++ % 7);
        got = std::min({size, piece, m_bytes.size() - m_position});
        m_bytes.copy(buffer, got, m_position);
        m_position += got;
        return true;
    }
    bool Rewind() override
    {
        m_position = 0;
        return true;
    }

private:
    std::string m_bytes;
    size_t m_position = 0;
    size_t m_reads = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const CWindows1252Converter converter;
    const CPortableCoreHost host;

    CMemoryByteSource whole(bytes);
    CTerminList read;
    bool invalid = false;
    if (!ReadListFileEntries(whole, converter, read, invalid, host))
        std::abort();

    CPiecewiseSource pieces(bytes);
    CTerminList readInPieces;
    bool invalidInPieces = false;
    if (!ReadListFileEntries(pieces, converter, readInPieces, invalidInPieces, host) ||
        readInPieces.GetSize() != read.GetSize() || invalidInPieces != invalid)
        std::abort();

    for (size_t i = 0; i < read.GetSize(); ++i) {
        const CTermin& termin = read[i];
        if (termin.m_strDescription.find('\0') != std::string::npos ||
            termin.m_strDescription.size() > CListFileReader::kMaxLineBytes ||
            termin.m_strDescription != readInPieces[i].m_strDescription)
            std::abort();
        // ANSI bytes that happen to form UTF-8 are read as UTF-8; only plain text must round-trip.
        const bool ascii = std::all_of(termin.m_strDescription.begin(), termin.m_strDescription.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (!ascii)
            continue;
        CMemoryByteSource line(ListFileLine(termin, host));
        CTerminList again;
        bool againInvalid = false;
        if (!ReadListFileEntries(line, converter, again, againInvalid, host) || again.GetSize() != 1 ||
            againInvalid || again[0].m_dtTarget.m_dt != termin.m_dtTarget.m_dt ||
            again[0].m_nPreposition != termin.m_nPreposition ||
            again[0].m_bYearly != termin.m_bYearly)
            std::abort();
    }
    return 0;
}
