// Thrust and propellant flow against the rocket equation: QRM_Shade's 500 kg burn at
// 1e8 N and 6000 m/s gives dv = 6000 ln(1500 / 1000) = 2432.79 m/s in 500 / (1e8 / 6000)
// = 0.03 s, and not a gram more.

#include <cmath>

#include "sim/earth.h"
#include "sim/host.h"
#include "tests/support/test_tree.h"
#include "tests/support/vector_expect.h"

TEST(ThrustBurn, QrmShadeEmptiesItsTankWithTheRocketEquationsDeltaV)
{
    sim::Host host(testing_support::buildTree());
    sim::VesselRecord& burner = host.createVessel("Burner", "QRM_Shade");
    sim::VesselRecord& coaster = host.createVessel("Coaster", "QRM_Shade");  // same orbit, no burn
    const double r = sim::earth::radius + 400e3, v = std::sqrt(sim::earth::mu / r);
    for (auto* s : {&burner, &coaster}) {
        s->state.pos = {r, 0, 0};
        s->state.vel = {0, v, 0};
    }
    burner.iface->SetThrusterGroupLevel(THGROUP_MAIN, 1.0);

    host.step(0.1);  // the tank runs dry 0.03 s into the step
    EXPECT_DOUBLE_EQ(burner.propellants[0]->mass, 0.0);
    EXPECT_DOUBLE_EQ(burner.mass(), 1000.0);
    const double expected = 6000.0 * std::log(1500.0 / 1000.0);  // 2432.79 m/s
    const VECTOR3 forward = burner.state.R * VECTOR3{0, 0, 1};   // thrust along body +z
    const VECTOR3 dv = burner.state.vel - coaster.state.vel;
    // Gravity differs a little between the two after the burn moved one of them (~1e-4 m/s).
    EXPECT_NEAR(dotp(dv, forward), expected, 1e-3);
    EXPECT_NEAR(length(dv - forward * dotp(dv, forward)), 0.0, 1e-3);

    // The burn is over: the speed difference stays as it was.
    const double after = length(dv);
    for (int i = 0; i < 5; ++i)
        host.step(0.1);
    EXPECT_NEAR(length(burner.state.vel - coaster.state.vel), after, 0.05);
    EXPECT_DOUBLE_EQ(burner.propellants[0]->mass, 0.0);
}

TEST(ThrustBurn, PartialLevelBurnsInProportion)
{
    sim::Host host(testing_support::buildTree());
    sim::VesselRecord& s = host.createVessel("Burner", "QRM_Shade");
    const double r = sim::earth::radius + 400e3;
    s.state.pos = {r, 0, 0};
    s.state.vel = {0, std::sqrt(sim::earth::mu / r), 0};
    s.iface->SetThrusterGroupLevel(THGROUP_MAIN, 0.25);
    host.step(0.01);
    // 0.25 * 1e8 N / 6000 m/s = 4166.67 kg/s for 0.01 s.
    EXPECT_NEAR(s.propellants[0]->mass, 500.0 - 41.6666667, 1e-6);
}
