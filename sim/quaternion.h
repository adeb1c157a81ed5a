// Unit quaternions for attitude propagation: q maps vessel-frame vectors to the global
// frame, v_global = q v_body q*.
#pragma once

#include <cmath>

#include "host/vector.h"
#include "sim/mat3.h"

namespace sim {

struct Quat {
    double w = 1.0, x = 0.0, y = 0.0, z = 0.0;

    Quat operator*(const Quat& b) const
    {
        return {w * b.w - x * b.x - y * b.y - z * b.z, w * b.x + x * b.w + y * b.z - z * b.y,
                w * b.y - x * b.z + y * b.w + z * b.x, w * b.z + x * b.y - y * b.x + z * b.w};
    }
    Quat operator+(const Quat& b) const { return {w + b.w, x + b.x, y + b.y, z + b.z}; }
    Quat operator*(double s) const { return {w * s, x * s, y * s, z * s}; }
    double norm() const { return std::sqrt(w * w + x * x + y * y + z * z); }
    Quat normalised() const { return *this * (1.0 / norm()); }
};

// dq/dt for body-frame angular velocity `omega` [rad/s]: q (0, omega) / 2.
inline Quat quatRate(const Quat& q, const VECTOR3& omega)
{
    return (q * Quat{0.0, omega.x, omega.y, omega.z}) * 0.5;
}

Mat3 toMatrix(const Quat& q);
Quat fromMatrix(const Mat3& R);

}  // namespace sim
