// The 16 custom colours of the colour dialog and their 64-byte registry block.
#pragma once

#include "settings/DisplaySet.h"

#include <array>
#include <cstddef>
#include <string>

namespace orv {
class CProfile;
}

class CCustomColors {
public:
    static constexpr size_t kCount = 16;
    static constexpr size_t kBlockSize = kCount * 4;

    CCustomColors() { m_colors.fill(0x00FFFFFF); }
    CCustomColors(const CCustomColors&) = default;
    CCustomColors& operator=(const CCustomColors&) = default;
    virtual ~CCustomColors() = default;

    ColorRef& operator[](size_t index) { return m_colors.at(index); }
    ColorRef operator[](size_t index) const { return m_colors.at(index); }
    // The colour dialog reads and writes the array in place.
    ColorRef* Data() { return m_colors.data(); }

    bool operator==(const CCustomColors& other) const { return m_colors == other.m_colors; }
    bool operator!=(const CCustomColors& other) const { return !(*this == other); }

    // Each colour as 4 bytes little-endian, in order.
    std::array<unsigned char, kBlockSize> ToBlock() const;
    void FromBlock(const std::array<unsigned char, kBlockSize>& block);

    // Reads the block `name` of the open section; anything but a 64-byte block keeps the
    // current colours. Returns the store's error code (0 = read).
    long Load(orv::CProfile& profile, const std::string& name);
    bool Save(orv::CProfile& profile, const std::string& name) const;

private:
    std::array<ColorRef, kCount> m_colors;
};
