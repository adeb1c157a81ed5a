// Dialog events in the current host's event log, the same on every platform.
#pragma once

#include <string>

namespace sim {

// Adds a dialog event ("dialog-open", "dialog-close", "control-text") to the current
// host's event log, with `text` (Windows-1252).
void noteDialogEvent(const char* kind, const std::string& text);

}  // namespace sim
