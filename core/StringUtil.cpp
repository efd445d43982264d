// Field cutting and printf-style formatting into std::string.
#include "core/StringUtil.h"

#include <cstdio>
#include <vector>

namespace orv {

std::string SplitAt(std::string& text, char separator)
{
    const auto pos = text.find(separator);
    if (pos == std::string::npos) {
        std::string whole;
        whole.swap(text);
        return whole;
    }
    std::string head = text.substr(0, pos);
    text.erase(0, pos + 1);
    return head;
}

std::string FormatV(const char* format, va_list args)
{
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    return std::string(buffer.data(), static_cast<size_t>(length));
}

std::string Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = FormatV(format, args);
    va_end(args);
    return text;
}

}  // namespace orv
