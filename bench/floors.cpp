#include "bench/floors.h"

#include <algorithm>
#include <cmath>

namespace bench {

void lightsFloor(LightsInput& in)
{
    for (std::size_t i = 0; i < in.local.size(); ++i) {
        const VECTOR3 g = in.R * in.local[i] + in.pos;
        const double d = length(g - in.camera);
        in.size[i] = 0.7 * (d > 50.0 ? std::pow(d / 50.0, in.exponent[i]) : 1.0);
    }
}

bool angleFloor(AngleInput& in)
{
    const VECTOR3 along = unit(in.port - in.cg);
    const VECTOR3 v = unit(in.vel);
    const VECTOR3 up = unit(crossp(unit(crossp(v, unit(in.pos))), v));
    const double a1 = std::acos(std::clamp(dotp(along, up), -1.0, 1.0));
    const double a2 = std::acos(std::clamp(dotp(along, v), -1.0, 1.0));
    const double angle = a2 < 1.570796326794895 ? -a1 : a1;
    const bool fire = angle > 0.0 && 2 * angle - in.previous < 0.0;
    in.previous = angle;
    return fire;
}

}  // namespace bench
