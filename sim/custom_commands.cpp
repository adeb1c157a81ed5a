#include "sim/custom_commands.h"

#include <algorithm>

namespace sim {

DWORD CustomCommands::add(const char* label, const char* description, CustomFunc func, void* context)
{
    if (!label || !*label || !func)
        return 0;
    commands_.push_back({++lastId_, label, description ? description : "", func, context});
    return lastId_;
}

bool CustomCommands::remove(DWORD id)
{
    const auto it = std::find_if(commands_.begin(), commands_.end(), [&](const auto& c) { return c.id == id; });
    if (it == commands_.end())
        return false;
    commands_.erase(it);
    return true;
}

bool CustomCommands::pick(std::string_view label)
{
    const auto it =
        std::find_if(commands_.begin(), commands_.end(), [&](const auto& c) { return c.label == label; });
    if (it == commands_.end())
        return false;
    // Copied first: the callback may register or withdraw commands.
    const CustomFunc func = it->func;
    void* const context = it->context;
    func(context);
    return true;
}

}  // namespace sim
