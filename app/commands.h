// The program's commands.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace app {

struct InspectOptions {
    std::string className;
    bool json = false;
};

// Creates one vessel of the class in an empty host and prints what it declared.
// Returns the exit code; throws on bad input.
int runInspect(const std::filesystem::path& root, const InspectOptions& options, std::ostream& out);

}  // namespace app
