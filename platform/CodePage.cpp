// ANSI <-> UTF-16 through the system code page.
#include "platform/CodePage.h"

#include <windows.h>

#include <vector>

std::string Narrow(const wchar_t* text)
{
    if (!text)
        return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(size));
    WideCharToMultiByte(CP_ACP, 0, text, -1, buffer.data(), size, nullptr, nullptr);
    return buffer.data();
}

std::wstring Widen(const std::string& text)
{
    const int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (size <= 0)
        return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(size));
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer.data(), size);
    return buffer.data();
}
