// Virtual cockpit camera stations on the catcher, both looking at the payload port.

#include "veskar/tether_assembly.h"

#include <array>

namespace {

constexpr double kPi = 3.14159265358979;
constexpr UINT kPayloadPort = 4;
constexpr std::size_t kCatcher = 0;

struct Station {
    VECTOR3 offset;  // from the catcher segment's position [m]
    int left, right, top, bottom;  // neighbouring station ids, -1 none
};

constexpr std::array<Station, 2> kStations{{
    {{0, -18.273, -27.225}, -1, -1, -1, 1},
    {{0, 18.012, -27.219}, -1, -1, 0, -1},
}};

}  // namespace

bool TetherAssembly::loadVirtualCockpit(std::int32_t id)
{
    // Other ids cannot be reached through the links; they are accepted with no set-up,
    // leaving the camera where the last station put it.
    if (id < 0 || id >= static_cast<std::int32_t>(kStations.size()) || segments.size() <= kCatcher)
        return true;

    const Station& station = kStations[static_cast<std::size_t>(id)];
    oapiVCSetNeighbours(station.left, station.right, station.top, station.bottom);
    const VECTOR3 camPos = segments[kCatcher]->position + station.offset;
    vessel->SetCameraOffset(camPos);

    VECTOR3 dockPos{}, dockDir{}, dockRot{};
    vessel->GetDockParams(vessel->GetDockHandle(kPayloadPort), dockPos, dockDir, dockRot);
    vessel->SetCameraDefaultDirection(unit(dockPos - camPos), kPi);
    vessel->SetCameraRotationRange(kPi, kPi, kPi / 2, kPi / 2);
    return true;
}
