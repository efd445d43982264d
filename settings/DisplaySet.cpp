// Display settings record: defaults, text form and its registry value.
#include "settings/DisplaySet.h"

#include "core/Profile.h"
#include "core/StringUtil.h"

using orv::Format;
using orv::SplitAt;

namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return 99;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr ColorRef kLargestColor = 0x00FFFFFF;

// A colour field: required, read as an unsigned number in any C notation. A number above
// 0x00FFFFFF is no colour (it would paint black) and leaves the colour as it was.
bool TakeColor(std::string& rest, ColorRef& color)
{
    const std::string field = SplitAt(rest, ';');
    if (field.empty())
        return false;
    const uint32_t value = ReadUnsigned32(field);
    if (value <= kLargestColor)
        color = value;
    return true;
}

}  // namespace

uint32_t ReadUnsigned32(const std::string& text)
{
    // Written out instead of calling strtoul: unsigned long is 64 bits on the native build, and
    // both builds must read a value the same way.
    size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    unsigned base = 10;
    if (pos < text.size() && text[pos] == '0') {
        base = 8;
        // "0x" counts as a prefix only when a hexadecimal digit follows; else it reads as 0.
        if (pos + 2 < text.size() && (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
            DigitValue(text[pos + 2]) < 16) {
            base = 16;
            pos += 2;
        }
    }
    uint64_t value = 0;
    bool overflow = false;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos]);
        if (digit >= static_cast<int>(base))
            break;
        value = value * base + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFu) {
            overflow = true;
            value = 0xFFFFFFFFu;  // keeps the product small; digits are still consumed
        }
    }
    if (overflow)
        return 0xFFFFFFFFu;
    const uint32_t magnitude = static_cast<uint32_t>(value);
    return negative ? 0u - magnitude : magnitude;
}

void CDisplaySet::SetDefaults()
{
    m_nDisplayType = 1;
    m_crTextColor = 0x00FFFFFF;
    m_crBackColor = 0x00000000;
    m_bTransparent = true;
    m_crStartColor = 0x00804000;
    m_crEndColor = 0x00FF0000;
    m_nFadingStep = 4;
}

bool CDisplaySet::ParseText(const std::string& text)
{
    if (text.empty())
        return false;
    std::string rest = text;

    const std::string type = SplitAt(rest, ';');
    if (!type.empty()) {
        if (type[0] < '0' || type[0] > '2')
            return false;
        m_nDisplayType = type[0] - '0';
    }

    if (!TakeColor(rest, m_crTextColor) || !TakeColor(rest, m_crBackColor))
        return false;

    const std::string transparent = SplitAt(rest, ';');
    if (transparent.empty())
        return false;
    m_bTransparent = transparent[0] != '0';

    if (!TakeColor(rest, m_crStartColor) || !TakeColor(rest, m_crEndColor))
        return false;

    const std::string step = SplitAt(rest, ';');
    if (step.empty())
        return false;
    const int32_t value = static_cast<int32_t>(ReadUnsigned32(step));
    if (value < kMinFadingStep || value > kMaxFadingStep)
        return false;
    m_nFadingStep = value;
    return true;
}

std::string CDisplaySet::FormatText() const
{
    return Format("%d;0x%08X;0x%08X;%d;0x%08X;0x%08X;%d", static_cast<int>(m_nDisplayType),
                  static_cast<unsigned>(m_crTextColor), static_cast<unsigned>(m_crBackColor),
                  static_cast<int>(m_bTransparent), static_cast<unsigned>(m_crStartColor),
                  static_cast<unsigned>(m_crEndColor), static_cast<int>(m_nFadingStep));
}

bool CDisplaySet::Load(orv::CProfile& profile, const std::string& name)
{
    return ParseText(profile.GetString(name, ""));
}

bool CDisplaySet::Save(orv::CProfile& profile, const std::string& name) const
{
    return profile.WriteString(name, FormatText());
}

bool CDisplaySet::operator==(const CDisplaySet& other) const
{
    return m_nDisplayType == other.m_nDisplayType && m_crTextColor == other.m_crTextColor &&
           m_crBackColor == other.m_crBackColor && m_bTransparent == other.m_bTransparent &&
           m_crStartColor == other.m_crStartColor && m_crEndColor == other.m_crEndColor &&
           m_nFadingStep == other.m_nFadingStep;
}
