// 3x3 matrices for attitudes: R maps vessel-frame vectors into the global frame.
#pragma once

#include <array>
#include <cmath>

#include "host/vector.h"

namespace sim {

struct Mat3 {
    std::array<std::array<double, 3>, 3> m{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

    static Mat3 identity() { return {}; }
    double& operator()(int r, int c) { return m[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; }
    double operator()(int r, int c) const { return m[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]; }

    VECTOR3 operator*(const VECTOR3& v) const
    {
        return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
                m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
    }
    Mat3 operator*(const Mat3& b) const
    {
        Mat3 r;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                r(i, j) = (*this)(i, 0) * b(0, j) + (*this)(i, 1) * b(1, j) + (*this)(i, 2) * b(2, j);
        return r;
    }
    Mat3 transposed() const
    {
        Mat3 r;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                r(i, j) = (*this)(j, i);
        return r;
    }
    // Transpose times v: maps a global vector into the frame whose attitude this is.
    VECTOR3 tmul(const VECTOR3& v) const { return transposed() * v; }
};

inline Mat3 operator+(const Mat3& a, const Mat3& b)
{
    Mat3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r(i, j) = a(i, j) + b(i, j);
    return r;
}
inline Mat3 diagonal(const VECTOR3& d)
{
    Mat3 r;
    r(0, 0) = d.x, r(1, 1) = d.y, r(2, 2) = d.z;
    return r;
}
inline Mat3 zeroMatrix()
{
    return diagonal({0.0, 0.0, 0.0});
}
// The inertia of a point mass m at offset d about the origin: m (|d|^2 E - d d^T).
Mat3 pointInertia(double m, const VECTOR3& d);
// A R^T for the inertia tensor A of a body with attitude R, in the outer frame.
inline Mat3 rotateTensor(const Mat3& R, const Mat3& A)
{
    return R * A * R.transposed();
}
// The inverse of a symmetric positive-definite matrix; false when it is singular.
bool invert(const Mat3& A, Mat3& inverse);

// R = Rx(a) Ry(b) Rz(c), angles [rad]; the scenario files' AROT convention.
Mat3 rotationFromAngles(const VECTOR3& abc);
// The angles (a, b, c) [rad] of R: a = atan2(R23, R33), b = -asin(R13), c = atan2(R12, R11).
VECTOR3 anglesFromRotation(const Mat3& R);
// The nearest proper rotation to R (Gram-Schmidt on its columns), against drift.
Mat3 orthonormalised(const Mat3& R);

}  // namespace sim
