// The reference body. Earth only: every position and velocity in the host's global frame
// is relative to its centre, which moves on a straight line (it is the inertial origin).
#pragma once

namespace sim::earth {

constexpr double mu = 3.986004418e14;  // gravitational parameter [m^3/s^2]
constexpr double radius = 6371.0e3;    // mean radius [m], for altitudes

}  // namespace sim::earth
