// A vessel's visual: the render-side copies of its meshes, whose materials a module may
// read and change while the visual exists.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/records.h"

namespace sim {
class VesselRecord;
}

struct HostMesh {
    std::string name;
    std::vector<MATERIAL> materials;  // index 0 is the first of the file's MATERIALS list
};

struct HostVisual {
    sim::VesselRecord* owner = nullptr;
    std::vector<std::unique_ptr<HostMesh>> meshes;  // one per vessel mesh, same numbering
};
