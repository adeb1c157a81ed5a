// Where the host installation tree is: the folder that holds the program.
#pragma once

#include <filesystem>

namespace app {

// The folder of the running executable (found through /proc/self/exe, so it does not
// depend on the working folder).
std::filesystem::path programFolder();

}  // namespace app
