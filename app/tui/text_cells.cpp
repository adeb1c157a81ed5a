#include "app/tui/text_cells.h"

#include <algorithm>

namespace app::tui {

namespace {

// Code points shown as one cell: printable ASCII, Latin letters and signs, general
// punctuation, currency and letter-like symbols (everything Windows-1252 holds), box
// drawing, and the replacement character.
bool singleCell(char32_t c)
{
    return (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0x2FF) || (c >= 0x2010 && c <= 0x205E) ||
           (c >= 0x20A0 && c <= 0x20CF) || (c >= 0x2100 && c <= 0x214F) || (c >= 0x2500 && c <= 0x257F) ||
           c == 0xFFFD;
}

// The length of the UTF-8 sequence that starts at `s[i]`, and its code point; 0 when the
// bytes there are not a well-formed, shortest-form sequence.
std::size_t decode(std::string_view s, std::size_t i, char32_t& cp)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    if ((b0 & 0xE0) == 0xC0)
        n = 2, cp = b0 & 0x1F, min = 0x80;
    else if ((b0 & 0xF0) == 0xE0)
        n = 3, cp = b0 & 0x0F, min = 0x800;
    else if ((b0 & 0xF8) == 0xF0)
        n = 4, cp = b0 & 0x07, min = 0x10000;
    else
        return 0;
    if (i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

}  // namespace

std::vector<std::string> cellsOf(std::string_view utf8)
{
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const std::size_t n = decode(utf8, i, cp);
        if (n == 0) {
            cells.emplace_back("?");
            ++i;
            continue;
        }
        cells.emplace_back(singleCell(cp) ? std::string(utf8.substr(i, n)) : std::string("?"));
        i += n;
    }
    return cells;
}

int widthOf(std::string_view utf8)
{
    return static_cast<int>(cellsOf(utf8).size());
}

std::string fitted(std::string_view utf8, int width)
{
    std::string out;
    int used = 0;
    for (const std::string& c : cellsOf(utf8)) {
        if (used == width)
            break;
        out += c;
        ++used;
    }
    return out + std::string(static_cast<std::size_t>(std::max(0, width - used)), ' ');
}

std::string centred(std::string_view utf8, int width)
{
    const int w = widthOf(utf8);
    if (w >= width)
        return fitted(utf8, width);
    const int left = (width - w) / 2;
    return std::string(static_cast<std::size_t>(left), ' ') + fitted(utf8, width - left);
}

std::vector<std::string> wrapped(std::string_view utf8, int width)
{
    std::vector<std::string> lines;
    if (width <= 0)
        return lines;
    const std::vector<std::string> cells = cellsOf(utf8);
    std::string line;
    int lineWidth = 0;
    std::size_t i = 0;
    while (i < cells.size()) {
        if (cells[i] == " ") {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < cells.size() && cells[end] != " ")
            ++end;
        const int wordWidth = static_cast<int>(end - i);
        if (lineWidth > 0 && lineWidth + 1 + wordWidth > width) {
            lines.push_back(line);
            line.clear();
            lineWidth = 0;
        }
        if (lineWidth > 0) {
            line += ' ';
            ++lineWidth;
        }
        for (; i < end; ++i) {
            if (lineWidth == width) {
                lines.push_back(line);
                line.clear();
                lineWidth = 0;
            }
            line += cells[i];
            ++lineWidth;
        }
    }
    if (lineWidth > 0)
        lines.push_back(line);
    return lines;
}

std::string asciiOnly(std::string_view utf8)
{
    std::string out;
    for (const std::string& c : cellsOf(utf8))
        out += c.size() == 1 ? c : std::string("?");
    return out;
}

}  // namespace app::tui
