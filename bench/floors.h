// Floors: the least work each benchmarked step could do, written as plainly as possible
// with no host in between. Inputs are prepared outside the timed loop.
#pragma once

#include <array>

#include "host/vector.h"
#include "sim/mat3.h"

namespace bench {

// The tether's 22 lights: map each vessel-frame position to the global frame, take the
// distance to the camera, and scale the size by a power of it beyond 50 m.
struct LightsInput {
    sim::Mat3 R;
    VECTOR3 pos{};
    VECTOR3 camera{};
    std::array<VECTOR3, 22> local{};
    std::array<double, 22> exponent{};
    std::array<double, 22> size{};
};
void lightsFloor(LightsInput& in);

// The payload angle: the tether's direction against the upward normal of its velocity,
// two arc cosines, and the one-step extrapolation test.
struct AngleInput {
    VECTOR3 pos{}, vel{}, port{}, cg{};
    double previous = 0.0;
};
bool angleFloor(AngleInput& in);

}  // namespace bench
