// Reader of the host's text mesh format: a first line "MSHX1", then GROUPS with their
// vertices and triangles, MATERIALS with their colours, and TEXTURES by file name.
// Keywords are case-insensitive; blank lines are skipped.
#pragma once

#include <filesystem>
#include <iosfwd>

#include "sim/visual.h"

namespace sim {

// Reads `file`. Throws InputError naming the file, the line and the problem.
HostMesh readMeshFile(const std::filesystem::path& file);
// The same from a stream; `file` names it in errors.
HostMesh readMesh(std::istream& in, const std::filesystem::path& file);

}  // namespace sim
