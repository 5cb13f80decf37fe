// Conversions between the program's texts (UTF-8 in the source, code page 1251 in labels) and the
// UTF-16 that the wide drawing calls take. Windows-1251 holds the Russian texts and the two Cyrillic
// letters of the English sum caption; drawing them through the narrow API would show them in the
// system's code page, so every label is widened here before it is drawn.
#pragma once

#include <string>
#include <string_view>

// UTF-8 to code page 1251; a character that 1251 lacks becomes '?'.
std::string Utf8ToCp1251(std::string_view utf8);

// UTF-16 (a Windows file name, say) to code page 1251; a character that 1251 lacks becomes '?'.
std::string Utf16ToCp1251(std::u16string_view utf16);

// Code page 1251 to UTF-16 (as char16_t, the layout of a Windows wide string).
std::u16string Cp1251ToUtf16(const char* text, int length);
