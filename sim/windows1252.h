// Texts of windows and dialogs are single-byte Windows-1252 strings, as the modules' ANSI
// text calls use them. Templates carry UTF-16; the program prints UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace sim {

// UTF-16 (a template's text) to Windows-1252; a character the code page lacks becomes '?'.
std::string windows1252FromUtf16(std::u16string_view text);
// Windows-1252 to UTF-8, for printing; the five bytes the code page leaves undefined
// become U+FFFD.
std::string utf8FromWindows1252(std::string_view text);

}  // namespace sim
