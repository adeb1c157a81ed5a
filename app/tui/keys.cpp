#include "app/tui/keys.h"

#include <string_view>

namespace app::tui {

namespace {

// Scan codes run along the keyboard's rows: digits 1..9 and 0 from 0x02, then the letter
// rows from 0x10, 0x1E and 0x2C.
struct KeyRow {
    std::string_view keys;
    DWORD first;
};
constexpr KeyRow kRows[] = {{"1234567890", 0x02}, {"qwertyuiop", 0x10}, {"asdfghjkl", 0x1E}, {"zxcvbnm", 0x2C}};

}  // namespace

std::optional<DWORD> vesselScanCode(unsigned char ch)
{
    const char lower = ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : static_cast<char>(ch);
    for (const KeyRow& row : kRows) {
        if (const auto at = row.keys.find(lower); at != std::string_view::npos)
            return row.first + static_cast<DWORD>(at);
    }
    return std::nullopt;
}

}  // namespace app::tui
