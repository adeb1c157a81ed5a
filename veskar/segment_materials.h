// The lamp materials of one tether segment's mesh in the current visual: captured when the
// visual is created, switched between the mesh's own colours and a self-lit variant, and
// dropped when the visual goes.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "host/host.h"

struct MaterialSwap {
    MATERIAL* target = nullptr;  // the live material in the visual's mesh, not owned
    MATERIAL unlit{};            // what `target` held at capture
    MATERIAL lit{};              // `unlit` with all four colours set to the lamp colour
};

class SegmentMaterials {
public:
    // Captures the segment's listed materials of `mesh` (the visual's copy). Writes nothing.
    void capture(MESHHANDLE mesh, std::uint32_t segmentIndex);
    // Writes the lit (non-zero) or unlit variant into every captured material.
    void setLit(int on);
    // Drops every record; the mesh is not touched.
    void release();

    const std::vector<std::unique_ptr<MaterialSwap>>& swapList() const { return swaps; }

private:
    MESHHANDLE mesh = nullptr;
    std::uint32_t segmentIndex = 0;
    std::vector<std::unique_ptr<MaterialSwap>> swaps;
};
