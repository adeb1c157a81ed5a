// The beacon lights of one tether segment: created from a fixed table by segment index,
// registered with the host once, then resized from the camera distance on every step and
// switched on and off together.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "host/host.h"

struct BeaconLight {
    VECTOR3 colour{};       // red, green, blue intensities, 0 or 1
    VECTOR3 position{};     // vessel frame [m]
    double baseSize = 0.0;  // radius while the camera is within 50 m [m]
    double sizeExponent = 0.0;  // exponent of the growth with distance beyond 50 m
    std::unique_ptr<BEACONLIGHTSPEC> spec;  // the host's record, owned; the host keeps its address
    int kind = 0;           // appearance class 0..4
};

class SegmentBeacons {
public:
    // Creates the segment's lights at `segmentPosition` plus the table's offsets and
    // registers each with the host. An index above 3 gives a segment without lights.
    void setUp(OBJHANDLE vesselHandle, std::uint32_t segmentIndex, const VECTOR3& segmentPosition);
    // Size of every light from the camera's current distance.
    void updateSizes();
    // All lights on (non-zero) or off.
    void setActive(int on);
    // Moves every light by -shift [m, vessel frame].
    void shiftPositions(const VECTOR3& shift);

    const std::vector<std::unique_ptr<BeaconLight>>& lightList() const { return lights; }

private:
    OBJHANDLE vesselHandle = nullptr;
    VESSEL* vessel = nullptr;  // the tether vessel, not owned
    std::uint32_t segmentIndex = 0;
    VECTOR3 segmentPosition{};
    std::vector<std::unique_ptr<BeaconLight>> lights;  // stable addresses: the host holds them
};
