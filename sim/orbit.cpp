#include "sim/orbit.h"

#include <cmath>
#include <limits>

#include "sim/earth.h"

namespace sim {

OrbitElements orbitOf(const VECTOR3& pos, const VECTOR3& vel)
{
    const double mu = earth::mu;
    const double r = length(pos);
    OrbitElements o;
    o.energy = dotp(vel, vel) / 2 - mu / r;
    o.h = crossp(pos, vel);
    o.eVector = crossp(vel, o.h) / mu - pos / r;
    o.eccentricity = length(o.eVector);
    const double inf = std::numeric_limits<double>::infinity();
    o.semiMajorAxis = o.energy != 0.0 ? -mu / (2 * o.energy) : inf;
    const double p = dotp(o.h, o.h) / mu;  // semi-latus rectum [m]
    o.periapsis = p / (1 + o.eccentricity);
    o.apoapsis = o.eccentricity < 1 ? p / (1 - o.eccentricity) : inf;
    o.period = o.bound() ? 2 * M_PI * std::sqrt(o.semiMajorAxis * o.semiMajorAxis * o.semiMajorAxis / mu) : inf;
    return o;
}

void keplerPropagate(const VECTOR3& pos, const VECTOR3& vel, double t, VECTOR3& posOut, VECTOR3& velOut)
{
    const double mu = earth::mu;
    const OrbitElements o = orbitOf(pos, vel);
    const double a = o.semiMajorAxis, e = o.eccentricity;
    // Perifocal frame: P towards periapsis, Q = h x P / |h|.
    const VECTOR3 P = e > 1e-12 ? o.eVector / e : unit(pos);
    const VECTOR3 Q = crossp(unit(o.h), P);
    const double n = std::sqrt(mu / (a * a * a));
    // Eccentric anomaly now, from the position's perifocal components.
    const double x0 = dotp(pos, P), y0 = dotp(pos, Q);
    const double E0 = std::atan2(y0 / (a * std::sqrt(1 - e * e)), x0 / a + e);
    const double M = E0 - e * std::sin(E0) + n * t;
    double E = M;
    for (int i = 0; i < 50; ++i) {
        const double dE = (E - e * std::sin(E) - M) / (1 - e * std::cos(E));
        E -= dE;
        if (std::abs(dE) < 1e-15)
            break;
    }
    const double b = a * std::sqrt(1 - e * e);
    posOut = P * (a * (std::cos(E) - e)) + Q * (b * std::sin(E));
    const double Edot = n / (1 - e * std::cos(E));
    velOut = P * (-a * std::sin(E) * Edot) + Q * (b * std::cos(E) * Edot);
}

}  // namespace sim
