// Two-body orbital elements about Earth from a state vector, and Kepler propagation for
// reference values.
#pragma once

#include "host/vector.h"

namespace sim {

struct OrbitElements {
    double energy = 0.0;        // specific energy v^2/2 - mu/r [J/kg]
    VECTOR3 h{};                // specific angular momentum r x v [m^2/s]
    VECTOR3 eVector{};          // eccentricity vector (towards periapsis)
    double eccentricity = 0.0;
    double semiMajorAxis = 0.0; // [m]; negative for a hyperbola, infinite for a parabola
    double periapsis = 0.0;     // radius [m]
    double apoapsis = 0.0;      // radius [m]; infinite for an open orbit
    double period = 0.0;        // [s]; infinite for an open orbit
    bool bound() const { return energy < 0.0; }
};

OrbitElements orbitOf(const VECTOR3& pos, const VECTOR3& vel);

// The state after `t` seconds of unperturbed two-body motion on an ellipse, by Kepler's
// equation M = E - e sin E solved with Newton's method.
void keplerPropagate(const VECTOR3& pos, const VECTOR3& vel, double t, VECTOR3& posOut, VECTOR3& velOut);

}  // namespace sim
