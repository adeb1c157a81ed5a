// Translational motion against two-body references: conservation laws and Kepler's
// equation (standard two-body results; constants in sim/earth.h).

#include "sim/orbit.h"
#include "tests/sim/physics_fixture.h"
#include "tests/support/vector_expect.h"

TEST_F(PhysicsTest, TenOrbitsConserveEnergyMomentumAndEccentricityVector)
{
    sim::Host& h = makeHost();
    sim::VesselRecord& ball = h.createVessel("Ball", "Ball");
    // An ellipse: 400 km perigee, 5 % above circular speed.
    setState(ball, {r400, 0, 0}, {0, 1.05 * circularSpeed(r400), 0});
    const sim::OrbitElements start = sim::orbitOf(ball.state.pos, ball.state.vel);
    const double dt = 10.0;
    const int steps = static_cast<int>(10 * start.period / dt);
    for (int i = 0; i < steps; ++i)
        h.step(dt);
    const sim::OrbitElements end = sim::orbitOf(ball.state.pos, ball.state.vel);
    // RK4 at 10 s: the relative energy error stays below 1e-9 over ten orbits.
    EXPECT_LT(std::abs((end.energy - start.energy) / start.energy), 1e-9);
    EXPECT_LT(length(end.h - start.h) / length(start.h), 1e-9);
    EXPECT_LT(length(end.eVector - start.eVector), 1e-8);

    // Position after the run against Kepler's equation, to within a metre.
    VECTOR3 pos{}, vel{};
    sim::keplerPropagate({r400, 0, 0}, {0, 1.05 * circularSpeed(r400), 0}, h.simTime(), pos, vel);
    EXPECT_LT(length(pos - ball.state.pos), 1.0) << "after " << h.simTime() << " s";
    EXPECT_LT(length(vel - ball.state.vel), 1e-3);
}

TEST_F(PhysicsTest, VesselsBelowTheSurfaceAreHeld)
{
    sim::Host& h = makeHost();
    sim::VesselRecord& ball = h.createVessel("Ball", "Ball");
    h.step(1.0);
    EXPECT_VEC_NEAR(ball.state.pos, (VECTOR3{0, 0, 0}), 0.0);
}

TEST(OrbitElements, CircularAndOpenOrbits)
{
    const double r = sim::earth::radius + 400e3;
    const double v = std::sqrt(sim::earth::mu / r);
    const sim::OrbitElements c = sim::orbitOf({r, 0, 0}, {0, v, 0});
    EXPECT_NEAR(c.eccentricity, 0.0, 1e-12);
    EXPECT_NEAR(c.periapsis, r, 1e-3);
    EXPECT_NEAR(c.apoapsis, r, 1e-3);
    // T = 2 pi sqrt(r^3 / mu) = 2 pi sqrt(6771000^3 / 3.986004418e14) = 5544.86 s.
    EXPECT_NEAR(c.period, 5544.86, 0.01);
    const sim::OrbitElements esc = sim::orbitOf({r, 0, 0}, {0, std::sqrt(2.0) * v * 1.01, 0});
    EXPECT_FALSE(esc.bound());
    EXPECT_TRUE(std::isinf(esc.apoapsis));
}
