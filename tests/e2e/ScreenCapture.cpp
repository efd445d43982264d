// Screen copies through a DIB section, so the pixels are read in one known format.
#include "ScreenCapture.h"

#include "platform/Gdi.h"

#include <fstream>

#ifndef ZM_E2E_SCREENSHOTS
#define ZM_E2E_SCREENSHOTS "screenshots"
#endif

namespace e2e {

namespace {

BITMAPINFOHEADER Header(int width, int height)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;  // positive: bottom-up rows
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    return header;
}

}  // namespace

ScreenImage ScreenImage::Capture(const RECT& screenRect)
{
    ScreenImage image;
    const int width = screenRect.right - screenRect.left;
    const int height = screenRect.bottom - screenRect.top;
    if (width <= 0 || height <= 0)
        return image;

    const CClientDC screen(nullptr);
    const CMemoryDC memory(screen.Get());
    BITMAPINFO info{};
    info.bmiHeader = Header(width, height);
    void* bits = nullptr;
    const CBitmap bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap.Get() || !memory.Get())
        return image;
    const HGDIOBJ previous = SelectObject(memory.Get(), bitmap.Get());
    const BOOL copied = BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), screenRect.left,
                               screenRect.top, SRCCOPY);
    GdiFlush();
    SelectObject(memory.Get(), previous);
    if (!copied)
        return image;

    image.m_width = width;
    image.m_height = height;
    image.m_stride = (width * 3 + 3) & ~3;
    const auto* first = static_cast<const uint8_t*>(bits);
    image.m_pixels.assign(first, first + static_cast<size_t>(image.m_stride) * height);
    return image;
}

COLORREF ScreenImage::At(int x, int y) const
{
    const size_t offset = static_cast<size_t>(m_height - 1 - y) * m_stride + static_cast<size_t>(x) * 3;
    return RGB(m_pixels[offset + 2], m_pixels[offset + 1], m_pixels[offset]);
}

bool ScreenImage::SaveBmp(const std::string& path) const
{
    if (Empty())
        return false;
    const BITMAPINFOHEADER header = Header(m_width, m_height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(m_pixels.size());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(m_pixels.data()), static_cast<std::streamsize>(m_pixels.size()));
    return static_cast<bool>(out);
}

std::string ScreenshotFolder()
{
    const std::string folder = ZM_E2E_SCREENSHOTS;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

}  // namespace e2e
