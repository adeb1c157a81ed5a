// The focus vessel's state as lines of text (altitude, speed, orbit; for a tether its spin
// and payload angle; its lights), and the lines naming the vessels and the commands.
#pragma once

#include <string>
#include <vector>

#include "app/tui/view_model.h"

namespace app::tui {

std::vector<std::string> focusLines(const ViewModel& view);
// "Vessels", the focus in brackets.
std::string vesselsLine(const ViewModel& view);
// "Commands", the custom commands' labels.
std::string commandsLine(const ViewModel& view);

// printf-style formatting into a string.
std::string formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace app::tui
