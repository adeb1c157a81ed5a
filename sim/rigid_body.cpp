#include "sim/rigid_body.h"

#include "sim/earth.h"

namespace sim {

VECTOR3 gravityGradientTorque(const Mat3& I, const Mat3& R, const VECTOR3& posGlobal)
{
    const double r = length(posGlobal);
    const VECTOR3 rhat = R.tmul(posGlobal / r);
    return (3.0 * earth::mu / (r * r * r)) * crossp(rhat, I * rhat);
}

BodyRate bodyRate(const BodyState& s, const BodyLoads& loads)
{
    BodyRate d{};
    d.dpos = s.vel;
    const double r = length(s.pos);
    d.dvel = s.pos * (-earth::mu / (r * r * r));
    const Mat3 R = toMatrix(s.q);
    if (s.mass > 0.0)
        d.dvel += R * (loads.force / s.mass);
    d.dq = quatRate(s.q, s.omega);
    if (loads.rotates) {
        VECTOR3 torque = loads.torque;
        if (loads.gravityGradient)
            torque += gravityGradientTorque(loads.inertia, R, s.pos);
        d.domega = loads.inertiaInverse * (torque - crossp(s.omega, loads.inertia * s.omega));
    } else {
        d.domega = {0.0, 0.0, 0.0};
    }
    d.dmass = -loads.massRate;
    return d;
}

namespace {
BodyState advanced(const BodyState& s, const BodyRate& d, double h)
{
    return {s.pos + d.dpos * h, s.vel + d.dvel * h, s.q + d.dq * h, s.omega + d.domega * h, s.mass + d.dmass * h};
}
}  // namespace

BodyState rk4Step(const BodyState& s, const BodyLoads& loads, double h)
{
    const BodyRate k1 = bodyRate(s, loads);
    const BodyRate k2 = bodyRate(advanced(s, k1, h / 2), loads);
    const BodyRate k3 = bodyRate(advanced(s, k2, h / 2), loads);
    const BodyRate k4 = bodyRate(advanced(s, k3, h), loads);
    BodyState out;
    out.pos = s.pos + (k1.dpos + 2.0 * k2.dpos + 2.0 * k3.dpos + k4.dpos) * (h / 6);
    out.vel = s.vel + (k1.dvel + 2.0 * k2.dvel + 2.0 * k3.dvel + k4.dvel) * (h / 6);
    out.q = (s.q + (k1.dq + k2.dq * 2.0 + k3.dq * 2.0 + k4.dq) * (h / 6)).normalised();
    out.omega = s.omega + (k1.domega + 2.0 * k2.domega + 2.0 * k3.domega + k4.domega) * (h / 6);
    out.mass = s.mass + (k1.dmass + 2 * k2.dmass + 2 * k3.dmass + k4.dmass) * (h / 6);
    return out;
}

}  // namespace sim
