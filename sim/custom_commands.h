// Custom commands that modules register with the host: a list the user picks from by
// label, each running its module's callback with the context given at registration.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/oapi.h"

namespace sim {

struct CustomCommand {
    DWORD id = 0;             // from 1 up, never reused within a host
    std::string label;        // Windows-1252, as the module gave it
    std::string description;
    CustomFunc func = nullptr;
    void* context = nullptr;
};

class CustomCommands {
public:
    // Adds a command and returns its id; 0 (no command) without a label or a callback.
    DWORD add(const char* label, const char* description, CustomFunc func, void* context);
    // Withdraws a command; false for an unknown id.
    bool remove(DWORD id);
    // The commands in registration order.
    const std::vector<CustomCommand>& list() const { return commands_; }
    // The user picks the first command with exactly this label: its callback runs.
    // False when there is none.
    bool pick(std::string_view label);

private:
    std::vector<CustomCommand> commands_;
    DWORD lastId_ = 0;
};

}  // namespace sim
