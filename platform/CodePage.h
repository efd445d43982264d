// Conversions between the ANSI code page of the system and UTF-16, and the double-byte
// characters of that code page.
#pragma once

#include <bitset>
#include <string>

std::string Narrow(const wchar_t* text);
std::wstring Widen(const std::string& text);

// Which bytes of the ANSI code page lead a double-byte character; none in a single-byte one.
using CLeadBytes = std::bitset<256>;
CLeadBytes AnsiLeadBytes();

// Case-insensitive for ASCII letters only, otherwise by code value; a double-byte character
// (one of `leadBytes` and the byte after it) counts as one unit.
int CompareAnsiText(const std::string& a, const std::string& b, const CLeadBytes& leadBytes);
