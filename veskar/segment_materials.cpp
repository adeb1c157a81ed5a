// Lamp materials of a tether segment's mesh.

#include "veskar/segment_materials.h"

#include <array>
#include <span>

namespace {

struct LampRow {
    DWORD materialIndex;  // from 0 in the mesh's material list
    COLOUR4 colour;
};

constexpr COLOUR4 kWhite{1, 1, 1, 1};
constexpr COLOUR4 kRed{1, 0, 0, 1};
constexpr COLOUR4 kGreen{0, 1, 0, 1};

constexpr std::array<LampRow, 3> kCatcherLamps{{{16, kWhite}, {17, kRed}, {18, kGreen}}};
constexpr std::array<LampRow, 1> kCableLamps{{{7, kWhite}}};
constexpr std::array<LampRow, 3> kEndMassLamps{{{17, kWhite}, {18, kRed}, {19, kGreen}}};

std::span<const LampRow> lampsFor(std::uint32_t segmentIndex)
{
    switch (segmentIndex) {
    case 0: return kCatcherLamps;
    case 1:
    case 2: return kCableLamps;
    case 3: return kEndMassLamps;
    default: return {};
    }
}

}  // namespace

void SegmentMaterials::capture(MESHHANDLE meshHandle, std::uint32_t index)
{
    mesh = meshHandle;
    segmentIndex = index;
    const std::span<const LampRow> rows = lampsFor(segmentIndex);
    if (rows.empty() || !mesh)
        return;  // no lamps on this segment, or no mesh in the visual for it

    swaps.reserve(rows.size());
    for (const LampRow& row : rows) {
        MATERIAL* target = oapiMeshMaterial(mesh, row.materialIndex);
        if (!target)
            continue;  // the mesh has fewer materials than the table: skip the row
        auto& swap = swaps.emplace_back(std::make_unique<MaterialSwap>());
        swap->target = target;
        swap->unlit = *target;
        swap->lit = swap->unlit;
        swap->lit.specular = row.colour;
        swap->lit.ambient = row.colour;
        swap->lit.diffuse = row.colour;
        swap->lit.emissive = row.colour;
    }
}

void SegmentMaterials::setLit(int on)
{
    for (auto& swap : swaps)
        *swap->target = on != 0 ? swap->lit : swap->unlit;
}

void SegmentMaterials::release()
{
    for (auto& swap : swaps)
        swap.reset();
    swaps.clear();
}
