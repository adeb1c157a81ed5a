// Names that the host turns into paths below its installation folder (class, module and
// mesh names) must stay below it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace sim {

// The name as a relative path (backslashes taken as separators), or nothing when it is
// empty, absolute, or climbs out with "..".
std::optional<std::filesystem::path> relativeName(const std::string& name);

}  // namespace sim
