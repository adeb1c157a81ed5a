// Text for a screen of character cells. Strings are UTF-8; a cell holds one code point.
// Whatever cannot be shown as one cell (control characters, broken sequences, combining
// or double-width characters) becomes '?', so that a line's cell count is its width.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app::tui {

// The cells of a text, each the UTF-8 bytes of one code point.
std::vector<std::string> cellsOf(std::string_view utf8);
int widthOf(std::string_view utf8);

// Exactly `width` cells: cut, or padded with spaces on the right.
std::string fitted(std::string_view utf8, int width);
// Centred in `width` cells (the odd space goes to the right); cut when too long.
std::string centred(std::string_view utf8, int width);
// Broken into lines of at most `width` cells at spaces; a word longer than a line is cut
// across lines.
std::vector<std::string> wrapped(std::string_view utf8, int width);

// Every cell outside ASCII as '?': for a terminal whose character set is not UTF-8.
std::string asciiOnly(std::string_view utf8);

}  // namespace app::tui
