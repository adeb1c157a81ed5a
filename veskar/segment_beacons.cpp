// Beacon lights of a tether segment.

#include "veskar/segment_beacons.h"

#include <array>
#include <cmath>
#include <span>

namespace {

struct BeaconKind {
    VECTOR3 colour;
    double baseSize;      // [m]
    double sizeExponent;
    double duration;      // [s]
};

constexpr std::array<BeaconKind, 5> kKinds{{
    {{1, 1, 1}, 0.7, 0.6, 0.0},   // 0 white
    {{1, 1, 1}, 0.7, 0.3, 0.0},   // 1 white
    {{1, 0, 0}, 0.7, 0.3, 0.0},   // 2 red
    {{0, 1, 0}, 0.7, 0.3, 0.0},   // 3 green
    {{1, 1, 1}, 0.7, 0.7, 0.25},  // 4 white
}};

struct BeaconRow {
    VECTOR3 offset;  // from the segment's position [m, vessel axes]
    int kind;
};

constexpr std::array<BeaconRow, 6> kCatcherLights{{
    {{0, 3.02, -73.27}, 0},
    {{0, -3.02, -73.27}, 1},
    {{-3.02, 0, -73.27}, 2},
    {{3.02, 0, -73.27}, 3},
    {{-3.87, 0, -26.35}, 4},
    {{3.87, 0, -26.35}, 4},
}};

constexpr std::array<BeaconRow, 4> kCableLights{{
    {{4.6, 0, -20000.42}, 4},
    {{-4.6, 0, -20000.42}, 4},
    {{-4.6, 0, 1.57}, 4},
    {{4.6, 0, 1.57}, 4},
}};

constexpr std::array<BeaconRow, 8> kEndMassLights{{
    {{-0.37, 0.35, 20036.37}, 4},
    {{0.45, -0.2, 20018.33}, 4},
    {{-2.33, 0.48, 19996.69}, 4},
    {{-0.52, 2.12, 19993.58}, 2},
    {{2.46, 0.38, 19993.6}, 3},
    {{0.45, 0.4, -20036.37}, 4},
    {{0.45, 0.4, -20018.33}, 4},
    {{0.91, -1.89, -19993.87}, 4},
}};

constexpr DWORD kShapeStar = 2;
constexpr double kScaleDistance = 50.0;  // beyond this camera distance lights grow [m]

std::span<const BeaconRow> tableFor(std::uint32_t segmentIndex)
{
    switch (segmentIndex) {
    case 0: return kCatcherLights;
    case 1:
    case 2: return kCableLights;
    case 3: return kEndMassLights;
    default: return {};
    }
}

}  // namespace

void SegmentBeacons::setUp(OBJHANDLE handle, std::uint32_t index, const VECTOR3& position)
{
    vesselHandle = handle;
    segmentIndex = index;
    segmentPosition = position;
    vessel = oapiGetVesselInterface(vesselHandle);
    if (!vessel)
        return;  // nowhere to register lights

    const std::span<const BeaconRow> rows = tableFor(segmentIndex);
    lights.reserve(rows.size());
    for (const BeaconRow& row : rows) {
        auto& light = lights.emplace_back(std::make_unique<BeaconLight>());
        light->spec = std::make_unique<BEACONLIGHTSPEC>();
        light->position = segmentPosition + row.offset;
        light->kind = row.kind;
    }

    for (auto& light : lights) {
        BEACONLIGHTSPEC& spec = *light->spec;
        spec.falloff = 0.0;
        spec.active = false;
        const BeaconKind& kind = kKinds[static_cast<std::size_t>(light->kind)];
        light->colour = kind.colour;
        light->baseSize = kind.baseSize;
        light->sizeExponent = kind.sizeExponent;
        spec.size = light->baseSize;
        spec.shape = kShapeStar;
        spec.period = 0.0;
        spec.duration = kind.duration;
        spec.tofs = 0.0;
        spec.pos = &light->position;
        spec.col = &light->colour;
        vessel->AddBeacon(&spec);
    }
}

void SegmentBeacons::updateSizes()
{
    VECTOR3 gCamPos{};
    oapiCameraGlobalPos(&gCamPos);
    for (auto& light : lights) {
        VECTOR3 gBeaconPos{};
        vessel->Local2Global(light->position, gBeaconPos);
        const double d = length(gBeaconPos - gCamPos);
        const double factor = d > kScaleDistance ? std::pow(d / kScaleDistance, light->sizeExponent) : 1.0;
        light->spec->size = light->baseSize * factor;
    }
}

void SegmentBeacons::setActive(int on)
{
    for (auto& light : lights)
        light->spec->active = on != 0;
}

void SegmentBeacons::shiftPositions(const VECTOR3& shift)
{
    for (auto& light : lights)
        light->position -= shift;
}
