// Meshes and visuals as the host holds them. A mesh is read once from its file into a
// template; each visual of a vessel holds its own copy of every mesh of the vessel, whose
// materials a module may read and change while the visual exists.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/records.h"
#include "host/vector.h"

namespace sim {
class VesselRecord;
}

struct MeshVertex {
    VECTOR3 pos{};     // mesh frame [m]
    VECTOR3 normal{};  // unit, or (0, 0, 0) when the file gives none
    double u = 0.0;    // texture coordinates, 0 when the file gives none
    double v = 0.0;
};

struct MeshGroup {
    std::string label;
    std::uint32_t material = 0;  // from 1 in the mesh's material list; 0 the default white
    std::uint32_t texture = 0;   // from 1 in the mesh's texture list; 0 none
    std::uint32_t flags = 0;
    bool noNormals = false;      // NONORMAL: the host computes the normals
    std::vector<MeshVertex> vertices;
    std::vector<std::array<std::uint16_t, 3>> triangles;  // vertex indices from 0
};

struct HostMesh {
    std::string name;  // the mesh name it was loaded under (no extension)
    std::vector<MeshGroup> groups;
    std::vector<std::string> materialNames;
    // Index 0 is the first of the file's MATERIALS list. Never resized once the mesh is
    // built: modules hold the addresses of a visual's materials.
    std::vector<MATERIAL> materials;
    std::vector<std::string> textures;  // texture file names as the file gives them
};

struct HostVisual {
    sim::VesselRecord* owner = nullptr;
    // One per vessel mesh, same numbering; null where the mesh file could not be read.
    std::vector<std::unique_ptr<HostMesh>> meshes;
};
