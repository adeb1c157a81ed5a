#include "sim/mat3.h"

#include <algorithm>

namespace sim {

namespace {
Mat3 rotX(double a)
{
    Mat3 r;
    r(1, 1) = std::cos(a), r(1, 2) = std::sin(a);
    r(2, 1) = -std::sin(a), r(2, 2) = std::cos(a);
    return r;
}
Mat3 rotY(double b)
{
    Mat3 r;
    r(0, 0) = std::cos(b), r(0, 2) = -std::sin(b);
    r(2, 0) = std::sin(b), r(2, 2) = std::cos(b);
    return r;
}
Mat3 rotZ(double c)
{
    Mat3 r;
    r(0, 0) = std::cos(c), r(0, 1) = std::sin(c);
    r(1, 0) = -std::sin(c), r(1, 1) = std::cos(c);
    return r;
}
}  // namespace

Mat3 pointInertia(double m, const VECTOR3& d)
{
    const double d2 = dotp(d, d);
    Mat3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r(i, j) = m * ((i == j ? d2 : 0.0) - d[i] * d[j]);
    return r;
}

bool invert(const Mat3& A, Mat3& inverse)
{
    const double c00 = A(1, 1) * A(2, 2) - A(1, 2) * A(2, 1);
    const double c01 = A(1, 2) * A(2, 0) - A(1, 0) * A(2, 2);
    const double c02 = A(1, 0) * A(2, 1) - A(1, 1) * A(2, 0);
    const double det = A(0, 0) * c00 + A(0, 1) * c01 + A(0, 2) * c02;
    const double scale = std::abs(A(0, 0)) + std::abs(A(1, 1)) + std::abs(A(2, 2));
    if (!(std::abs(det) > 1e-300) || !(std::abs(det) > 1e-30 * scale * scale * scale))
        return false;
    inverse(0, 0) = c00 / det;
    inverse(1, 0) = c01 / det;
    inverse(2, 0) = c02 / det;
    inverse(0, 1) = (A(0, 2) * A(2, 1) - A(0, 1) * A(2, 2)) / det;
    inverse(1, 1) = (A(0, 0) * A(2, 2) - A(0, 2) * A(2, 0)) / det;
    inverse(2, 1) = (A(0, 1) * A(2, 0) - A(0, 0) * A(2, 1)) / det;
    inverse(0, 2) = (A(0, 1) * A(1, 2) - A(0, 2) * A(1, 1)) / det;
    inverse(1, 2) = (A(0, 2) * A(1, 0) - A(0, 0) * A(1, 2)) / det;
    inverse(2, 2) = (A(0, 0) * A(1, 1) - A(0, 1) * A(1, 0)) / det;
    return true;
}

Mat3 rotationFromAngles(const VECTOR3& abc)
{
    return rotX(abc.x) * rotY(abc.y) * rotZ(abc.z);
}

VECTOR3 anglesFromRotation(const Mat3& R)
{
    return {std::atan2(R(1, 2), R(2, 2)), -std::asin(std::clamp(R(0, 2), -1.0, 1.0)), std::atan2(R(0, 1), R(0, 0))};
}

Mat3 orthonormalised(const Mat3& R)
{
    VECTOR3 c0{R(0, 0), R(1, 0), R(2, 0)};
    VECTOR3 c1{R(0, 1), R(1, 1), R(2, 1)};
    c0 = unit(c0);
    c1 = unit(c1 - dotp(c1, c0) * c0);
    // Keep the handedness of the input: the third column is fixed by the first two.
    VECTOR3 c2{R(0, 2), R(1, 2), R(2, 2)};
    VECTOR3 cross = crossp(c0, c1);
    if (dotp(cross, c2) < 0)
        cross = -cross;
    Mat3 out;
    for (int i = 0; i < 3; ++i) {
        out(i, 0) = c0[i];
        out(i, 1) = c1[i];
        out(i, 2) = cross[i];
    }
    return out;
}

}  // namespace sim
