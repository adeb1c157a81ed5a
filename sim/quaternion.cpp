#include "sim/quaternion.h"

namespace sim {

Mat3 toMatrix(const Quat& q)
{
    Mat3 R;
    const double w = q.w, x = q.x, y = q.y, z = q.z;
    R(0, 0) = 1 - 2 * (y * y + z * z), R(0, 1) = 2 * (x * y - w * z), R(0, 2) = 2 * (x * z + w * y);
    R(1, 0) = 2 * (x * y + w * z), R(1, 1) = 1 - 2 * (x * x + z * z), R(1, 2) = 2 * (y * z - w * x);
    R(2, 0) = 2 * (x * z - w * y), R(2, 1) = 2 * (y * z + w * x), R(2, 2) = 1 - 2 * (x * x + y * y);
    return R;
}

Quat fromMatrix(const Mat3& R)
{
    // Shepperd's method: take the largest of the four squared components for accuracy.
    const double tr = R(0, 0) + R(1, 1) + R(2, 2);
    Quat q;
    if (tr >= R(0, 0) && tr >= R(1, 1) && tr >= R(2, 2)) {
        const double s = 2.0 * std::sqrt(1.0 + tr);
        q = {0.25 * s, (R(2, 1) - R(1, 2)) / s, (R(0, 2) - R(2, 0)) / s, (R(1, 0) - R(0, 1)) / s};
    } else if (R(0, 0) >= R(1, 1) && R(0, 0) >= R(2, 2)) {
        const double s = 2.0 * std::sqrt(1.0 + R(0, 0) - R(1, 1) - R(2, 2));
        q = {(R(2, 1) - R(1, 2)) / s, 0.25 * s, (R(0, 1) + R(1, 0)) / s, (R(0, 2) + R(2, 0)) / s};
    } else if (R(1, 1) >= R(2, 2)) {
        const double s = 2.0 * std::sqrt(1.0 + R(1, 1) - R(0, 0) - R(2, 2));
        q = {(R(0, 2) - R(2, 0)) / s, (R(0, 1) + R(1, 0)) / s, 0.25 * s, (R(1, 2) + R(2, 1)) / s};
    } else {
        const double s = 2.0 * std::sqrt(1.0 + R(2, 2) - R(0, 0) - R(1, 1));
        q = {(R(1, 0) - R(0, 1)) / s, (R(0, 2) + R(2, 0)) / s, (R(1, 2) + R(2, 1)) / s, 0.25 * s};
    }
    return q.normalised();
}

}  // namespace sim
