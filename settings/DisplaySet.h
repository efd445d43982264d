// The display settings record: text style, colours, fading, with its one-line text form.
#pragma once

#include <cstdint>
#include <string>

namespace orv {
class CProfile;
}

// A colour as the platform's COLORREF: 0x00BBGGRR.
using ColorRef = uint32_t;

class CDisplaySet {
public:
    static constexpr int32_t kMinFadingStep = 1;
    static constexpr int32_t kMaxFadingStep = 150;

    CDisplaySet() { SetDefaults(); }

    void SetDefaults();

    // Reads "type;text;back;transparent;start;end;step" field by field. False as soon as a
    // field is missing or out of range; the fields read before that keep their new values.
    // An empty type field keeps the current type, a colour above 0x00FFFFFF the current colour.
    bool ParseText(const std::string& text);
    std::string FormatText() const;

    // The value `name` of the open section in text form; the result is that of ParseText.
    bool Load(orv::CProfile& profile, const std::string& name);
    bool Save(orv::CProfile& profile, const std::string& name) const;

    bool operator==(const CDisplaySet& other) const;
    bool operator!=(const CDisplaySet& other) const { return !(*this == other); }

    int32_t m_nDisplayType;      // 0 "kompakt", 1 "standard", 2 "erweitert"
    ColorRef m_crTextColor;
    ColorRef m_crBackColor;
    bool m_bTransparent;         // background in the fading colour instead of BackColor
    ColorRef m_crStartColor;
    ColorRef m_crEndColor;
    int32_t m_nFadingStep;       // fader positions per paint, 1 to 150
};

// strtoul with base 0 as the 32-bit runtime reads it: 0x hexadecimal, leading 0 octal, else
// decimal; stops at the first unusable character, no digits give 0, overflow 0xFFFFFFFF.
uint32_t ReadUnsigned32(const std::string& text);
