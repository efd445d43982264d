// Custom colours: byte block form and registry value.
#include "settings/CustomColors.h"

#include "core/Profile.h"

std::array<unsigned char, CCustomColors::kBlockSize> CCustomColors::ToBlock() const
{
    std::array<unsigned char, kBlockSize> block{};
    for (size_t i = 0; i < kCount; ++i)
        for (size_t b = 0; b < 4; ++b)
            block[i * 4 + b] = static_cast<unsigned char>(m_colors[i] >> (8 * b));
    return block;
}

void CCustomColors::FromBlock(const std::array<unsigned char, kBlockSize>& block)
{
    for (size_t i = 0; i < kCount; ++i) {
        ColorRef color = 0;
        for (size_t b = 0; b < 4; ++b)
            color |= static_cast<ColorRef>(block[i * 4 + b]) << (8 * b);
        m_colors[i] = color;
    }
}

long CCustomColors::Load(orv::CProfile& profile, const std::string& name)
{
    // The current colours serve as default and result: an unreadable block leaves them.
    auto block = ToBlock();
    const long result = profile.GetBinary(name, block.size(), block.data(), block.data());
    if (result == 0)
        FromBlock(block);
    return result;
}

bool CCustomColors::Save(orv::CProfile& profile, const std::string& name) const
{
    const auto block = ToBlock();
    return profile.WriteBinary(name, block.size(), block.data());
}
