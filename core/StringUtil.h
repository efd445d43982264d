// Text helpers shared by the portable and the Win32 code: field cutting and printf-style formatting.
#pragma once

#include <cstdarg>
#include <string>

namespace orv {

// Cuts the text before the first separator off `text` and returns it; without a separator
// the whole text is returned and `text` becomes empty.
std::string SplitAt(std::string& text, char separator);

std::string FormatV(const char* format, va_list args);
std::string Format(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace orv
