// Pixels of a screen region, read with GDI, and their 24-bit BMP file.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

class ScreenImage {
public:
    // Copies the screen region; an empty image when the copy fails.
    static ScreenImage Capture(const RECT& screenRect);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_pixels.empty(); }
    // The colour at (x, y), counted from the top-left corner.
    COLORREF At(int x, int y) const;
    // Writes a bottom-up 24-bit BMP; false when the file cannot be written.
    bool SaveBmp(const std::string& path) const;

private:
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
    std::vector<uint8_t> m_pixels;  // bottom-up BGR rows of m_stride bytes
};

// The folder for the screenshots, created on first use.
std::string ScreenshotFolder();

}  // namespace e2e
