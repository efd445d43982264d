// Conversions between the ANSI code page of the system and UTF-16.
#pragma once

#include <string>

std::string Narrow(const wchar_t* text);
std::wstring Widen(const std::string& text);
