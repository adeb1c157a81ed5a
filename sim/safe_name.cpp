#include "sim/safe_name.h"

#include <algorithm>

namespace sim {

std::optional<std::filesystem::path> relativeName(const std::string& name)
{
    std::string s = name;
    std::replace(s.begin(), s.end(), '\\', '/');
    if (s.empty() || s.find('\0') != std::string::npos)
        return std::nullopt;
    const std::filesystem::path p(s);
    if (p.is_absolute() || p.has_root_name())
        return std::nullopt;
    for (const auto& part : p) {
        if (part == "..")
            return std::nullopt;
    }
    return p;
}

}  // namespace sim
