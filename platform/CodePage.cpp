// ANSI <-> UTF-16 through the system code page; its lead bytes and their comparison.
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

CLeadBytes AnsiLeadBytes()
{
    CLeadBytes leadBytes;
    for (unsigned byte = 0; byte < 256; ++byte)
        leadBytes[byte] = IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
    return leadBytes;
}

int CompareAnsiText(const std::string& a, const std::string& b, const CLeadBytes& leadBytes)
{
    // A character as one unit: one byte, or lead and trail byte of a double-byte character.
    auto unitAt = [&leadBytes](const std::string& text, size_t& i) -> unsigned {
        const auto lead = static_cast<unsigned char>(text[i++]);
        if (leadBytes[lead] && i < text.size())
            return (lead << 8) | static_cast<unsigned char>(text[i++]);
        return lead >= 'A' && lead <= 'Z' ? lead + ('a' - 'A') : lead;
    };
    size_t i = 0, k = 0;
    while (i < a.size() && k < b.size()) {
        const unsigned left = unitAt(a, i);
        const unsigned right = unitAt(b, k);
        if (left != right)
            return left < right ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    return k < b.size() ? -1 : 0;
}
