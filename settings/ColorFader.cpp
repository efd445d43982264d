// Linear colour interpolation over a position range, walked back and forth.
#include "settings/ColorFader.h"

#include <algorithm>

namespace {

int32_t Channel(ColorRef color, int shift)
{
    return static_cast<int32_t>((color >> shift) & 0xFF);
}

}  // namespace

void CColorFader::SetColors(ColorRef start, ColorRef end)
{
    m_start = start;
    m_end = end;
    m_deltaRed = Channel(end, 0) - Channel(start, 0);
    m_deltaGreen = Channel(end, 8) - Channel(start, 8);
    m_deltaBlue = Channel(end, 16) - Channel(start, 16);
}

ColorRef CColorFader::SetStartColor(ColorRef color)
{
    const ColorRef previous = m_start;
    SetColors(color, m_end);
    return previous;
}

ColorRef CColorFader::SetEndColor(ColorRef color)
{
    const ColorRef previous = m_end;
    SetColors(m_start, color);
    return previous;
}

void CColorFader::SetRange(int32_t from, int32_t to)
{
    m_from = from;
    m_to = to;
    m_direction = from < to ? 1 : -1;
}

int32_t CColorFader::Clamp(int32_t position) const
{
    return m_from < m_to ? std::clamp(position, m_from, m_to) : std::clamp(position, m_to, m_from);
}

ColorRef CColorFader::ColorAt(int32_t position) const
{
    if (m_to == m_from)
        return 0x00000000;
    const int64_t offset = static_cast<int64_t>(Clamp(position)) - m_from;
    const int64_t span = static_cast<int64_t>(m_to) - m_from;
    const auto at = [&](int shift, int32_t delta) {
        return static_cast<ColorRef>((Channel(m_start, shift) + delta * offset / span) & 0xFF);
    };
    return at(0, m_deltaRed) | at(8, m_deltaGreen) << 8 | at(16, m_deltaBlue) << 16;
}

ColorRef CColorFader::CurrentColor()
{
    m_position = Clamp(m_position);
    return ColorAt(m_position);
}

ColorRef CColorFader::NextColor(int32_t step)
{
    const ColorRef color = CurrentColor();
    m_position += m_direction * step;
    Bounce();
    return color;
}

void CColorFader::Bounce()
{
    if (m_from < m_to) {
        if (m_direction > 0 && m_position > m_to) {
            m_direction = -1;
            m_position = m_to - 1;
        } else if (m_direction < 0 && m_position < m_from) {
            m_direction = 1;
            m_position = m_from + 1;
        }
    } else {
        if (m_direction < 0 && m_position < m_to) {
            m_direction = 1;
            m_position = m_to + 1;
        } else if (m_direction > 0 && m_position > m_from) {
            m_direction = -1;
            m_position = m_from - 1;
        }
    }
}
