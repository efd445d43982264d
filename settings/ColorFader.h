// The bouncing colour stepper behind the fading background.
#pragma once

#include <cstdint>

using ColorRef = uint32_t;  // 0x00BBGGRR

class CColorFader {
public:
    CColorFader() = default;
    virtual ~CColorFader() = default;

    void SetColors(ColorRef start, ColorRef end);
    ColorRef SetStartColor(ColorRef color);  // returns the previous start colour
    ColorRef SetEndColor(ColorRef color);    // returns the previous end colour
    // Direction becomes +1 for a rising range and -1 otherwise; the position stays.
    void SetRange(int32_t from, int32_t to);

    ColorRef ColorAt(int32_t position) const;
    // Clamps the position into the range and returns its colour.
    ColorRef CurrentColor();
    // The current colour, then one move by `step` with a bounce at the ends.
    ColorRef NextColor(int32_t step);

    int32_t GetPosition() const { return m_position; }
    int32_t GetDirection() const { return m_direction; }

private:
    int32_t Clamp(int32_t position) const;
    void Bounce();

    ColorRef m_start = 0x00000000;
    ColorRef m_end = 0x00FFFFFF;
    int32_t m_deltaRed = 255;
    int32_t m_deltaGreen = 255;
    int32_t m_deltaBlue = 255;
    int32_t m_from = 0;
    int32_t m_to = 100;
    int32_t m_direction = 1;
    int32_t m_position = 0;
};
