// One rigid body in Earth's point-mass gravity: state, loads held constant over a step,
// and a fixed-step fourth-order Runge-Kutta integrator.
#pragma once

#include "host/vector.h"
#include "sim/mat3.h"
#include "sim/quaternion.h"

namespace sim {

struct BodyState {
    VECTOR3 pos{};     // centre of gravity, global frame [m]
    VECTOR3 vel{};     // [m/s]
    Quat q;            // body frame -> global frame
    VECTOR3 omega{};   // angular velocity, body frame [rad/s]
    double mass = 0.0; // [kg]
};

// What acts on the body during one integration step, in its body frame.
struct BodyLoads {
    VECTOR3 force{};        // thrust [N]
    VECTOR3 torque{};       // thrust torque about the centre of gravity [N m]
    double massRate = 0.0;  // propellant flow, >= 0 [kg/s]
    Mat3 inertia = zeroMatrix();     // about the centre of gravity [kg m^2]
    Mat3 inertiaInverse = zeroMatrix();
    bool rotates = false;            // false: the inertia is singular; omega is held
    bool gravityGradient = true;     // apply the gravity-gradient torque
};

// dy/dt of the state under the loads.
struct BodyRate {
    VECTOR3 dpos, dvel;
    Quat dq;
    VECTOR3 domega;
    double dmass;
};
BodyRate bodyRate(const BodyState& s, const BodyLoads& loads);

// The gravity-gradient torque on a body with inertia I (body frame) whose centre of
// gravity is at `posGlobal`: (3 mu / r^3) rhat x (I rhat), rhat in the body frame.
VECTOR3 gravityGradientTorque(const Mat3& I, const Mat3& R, const VECTOR3& posGlobal);

// One RK4 step of length h [s]. The attitude quaternion is renormalised at the end.
BodyState rk4Step(const BodyState& s, const BodyLoads& loads, double h);

}  // namespace sim
