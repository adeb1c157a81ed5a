// Rigid-body rotation: torque-free spin (Euler's equations conserve the angular momentum
// vector and the kinetic energy) and gravity-gradient libration of a slender body in a
// circular orbit, whose in-plane period is T_orbit / sqrt(3) for small amplitudes
// (standard result for a body with I_axial << I_transverse).

#include <cmath>

#include "sim/composite.h"
#include "tests/sim/physics_fixture.h"
#include "tests/support/vector_expect.h"

namespace {
VECTOR3 angularMomentumGlobal(const sim::VesselRecord& v)
{
    return v.state.R * (sim::vesselInertia(v) * v.state.omegaBody);
}
}  // namespace

TEST_F(PhysicsTest, SpinAboutAPrincipalAxisStaysConstant)
{
    sim::HostOptions options;
    options.physics.gravityGradient = false;
    sim::Host& h = makeHost(options);
    sim::VesselRecord& ball = h.createVessel("Ball", "Ball");
    setState(ball, {r400, 0, 0}, {0, circularSpeed(r400), 0}, sim::Mat3::identity(), {0, 0.3, 0});
    for (int i = 0; i < 2000; ++i)
        h.step(0.1);
    EXPECT_VEC_NEAR(ball.state.omegaBody, (VECTOR3{0, 0.3, 0}), 1e-12);
    // The body turned by 0.3 rad/s * 200 s = 60 rad about y (RK4 on the attitude
    // quaternion, 0.03 rad a step: a few 1e-8 rad of phase after 2000 steps).
    EXPECT_NEAR(std::atan2(-ball.state.R(2, 0), ball.state.R(0, 0)), std::remainder(60.0, 2 * M_PI), 1e-7);
}

TEST_F(PhysicsTest, AsymmetricTumbleConservesTheAngularMomentumVector)
{
    sim::HostOptions options;
    options.physics.gravityGradient = false;
    sim::Host& h = makeHost(options);
    sim::VesselRecord& ball = h.createVessel("Ball", "Ball");  // moments 1, 2, 3 m^2 x 1000 kg
    setState(ball, {r400, 0, 0}, {0, circularSpeed(r400), 0}, sim::Mat3::identity(), {0.2, 1.0, 0.3});
    const VECTOR3 L0 = angularMomentumGlobal(ball);
    const double E0 = 0.5 * dotp(ball.state.omegaBody, sim::vesselInertia(ball) * ball.state.omegaBody);
    double maxSwing = 0.0;  // the body rate really changes: this is a tumble, not a spin
    for (int i = 0; i < 5000; ++i) {
        h.step(0.01);
        maxSwing = std::max(maxSwing, std::abs(ball.state.omegaBody.x - 0.2));
    }
    EXPECT_GT(maxSwing, 0.05);
    EXPECT_LT(length(angularMomentumGlobal(ball) - L0) / length(L0), 1e-9);
    const double E = 0.5 * dotp(ball.state.omegaBody, sim::vesselInertia(ball) * ball.state.omegaBody);
    EXPECT_NEAR(E / E0, 1.0, 1e-9);
    // The attitude stays a proper rotation.
    const sim::Mat3 I = ball.state.R.transposed() * ball.state.R;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(I(i, j), i == j ? 1.0 : 0.0, 1e-14);
}

TEST_F(PhysicsTest, SlenderBodyLibratesInPlaneAtRootThreeTimesTheOrbitRate)
{
    sim::Host& h = makeHost();
    sim::VesselRecord& rod = h.createVessel("Rod", "Slender");
    const double n = circularSpeed(r400) / r400;  // orbit rate [rad/s]
    // The long axis z starts 0.05 rad off the local vertical in the orbit plane, turning
    // with the orbit (omega = n about the orbit normal, global z).
    const double tilt = 0.05;
    sim::Mat3 R;  // body z -> (cos tilt, sin tilt, 0); body x -> global z; body y completes
    const VECTOR3 bz{std::cos(tilt), std::sin(tilt), 0}, bx{0, 0, 1};
    const VECTOR3 by = crossp(bz, bx);
    for (int i = 0; i < 3; ++i)
        R(i, 0) = bx[i], R(i, 1) = by[i], R(i, 2) = bz[i];
    setState(rod, {r400, 0, 0}, {0, circularSpeed(r400), 0}, R, R.tmul({0, 0, n}));

    // In-plane angle of the long axis from the local vertical; time its upward zero crossings.
    auto angle = [&] {
        const VECTOR3 axis = rod.state.R * VECTOR3{0, 0, 1};
        const VECTOR3 up = unit(rod.state.pos);
        return std::atan2(dotp(crossp(up, axis), VECTOR3{0, 0, 1}), dotp(up, axis));
    };
    std::vector<double> crossings;
    double previous = angle();
    const double dt = 1.0;
    for (int i = 0; i < 20000 && crossings.size() < 4; ++i) {
        h.step(dt);
        const double a = angle();
        if (previous < 0 && a >= 0)
            crossings.push_back(h.simTime() - dt * a / (a - previous));
        previous = a;
    }
    ASSERT_EQ(crossings.size(), 4u);
    const double period = (crossings[3] - crossings[0]) / 3;
    const double expected = 2 * M_PI / n / std::sqrt(3.0);  // 5544.86 s / sqrt(3) = 3201.3 s
    EXPECT_NEAR(period / expected, 1.0, 0.01) << "period " << period << " s, expected " << expected << " s";
}
