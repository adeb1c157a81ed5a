// Keys as the interactive view takes them, whatever the terminal sent, and the scan codes
// typed letters and digits reach a vessel with.
#pragma once

#include <optional>

#include "host/platform.h"

namespace app::tui {

struct Key {
    enum class Kind { Char, Enter, Escape, Tab, Backspace, Up, Down, F3, F4, Resize };
    Kind kind = Kind::Char;
    unsigned char ch = 0;  // for Kind::Char: the byte typed
};

constexpr unsigned char kCtrlU = 0x15;  // clears a line being typed

// The keyboard scan code of a letter (either case) or a digit, as the host hands keys to a
// vessel's clbkConsumeBufferedKey; nothing for any other byte.
std::optional<DWORD> vesselScanCode(unsigned char ch);

}  // namespace app::tui
