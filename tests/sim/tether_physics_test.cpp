// The real tether in flight: the camera following it and the beacon sizes following the
// camera, and a payload caught at the catcher of a spinning tether (momentum and angular
// momentum conserved, as in any internal collision).

#include <cmath>

#include <gtest/gtest.h>

#include "sim/composite.h"
#include "sim/docking.h"
#include "sim/earth.h"
#include "sim/host.h"
#include "tests/support/test_tree.h"
#include "tests/support/vector_expect.h"

namespace {

constexpr double r400 = sim::earth::radius + 400e3;

struct Momenta {
    VECTOR3 p{}, L{};
};

// Linear momentum and angular momentum about the global origin (a fixed point: both are
// conserved by an internal event such as docking).
Momenta momenta(const std::vector<sim::VesselRecord*>& vs)
{
    Momenta m;
    for (const auto* v : vs) {
        m.p += v->mass() * v->state.vel;
        m.L += v->state.R * (sim::vesselInertia(*v) * v->state.omegaBody) +
               v->mass() * crossp(v->state.pos, v->state.vel);
    }
    return m;
}

}  // namespace

TEST(TetherInFlight, BeaconSizesFollowTheCameraThatFollowsTheTether)
{
    sim::Host host(testing_support::buildTree());
    sim::VesselRecord& tether = host.createVessel("T", "Veskar");
    tether.state.pos = {r400, 0, 0};
    tether.state.vel = {0, std::sqrt(sim::earth::mu / r400), 0};
    host.focus = &tether;
    host.followFocus({0, 0, 20000});  // 20 km off the centre of gravity, along global z

    for (int i = 0; i < 100; ++i)
        host.step(0.1);
    // The camera moved with the tether (about 77 km along its orbit).
    EXPECT_VEC_NEAR(host.cameraPos, tether.state.pos + VECTOR3{0, 0, 20000}, 1e-6);
    EXPECT_GT(length(tether.state.pos - VECTOR3{r400, 0, 0}), 70e3);

    // One more step: the pre-step sizes each light by its distance from the camera as the
    // last step left it, with the tether where the last step left it.
    const VECTOR3 camera = host.cameraPos;
    const sim::KinematicState seen = tether.state;
    host.step(0.1);
    // End-mass light 0 (kind 4, exponent 0.7), 29 km up the tether and so ~9 km from the
    // camera: 0.7 (d / 50)^0.7.
    const BEACONLIGHTSPEC& light = *tether.beacons[14];
    const double d = length(seen.R * *light.pos + seen.pos - camera);
    EXPECT_GT(d, 8e3);
    EXPECT_NEAR(light.size, 0.7 * std::pow(d / 50.0, 0.7), 1e-9);
}

TEST(TetherInFlight, CatchingAPayloadConservesMomentumAndAngularMomentum)
{
    sim::Host host(testing_support::buildTree());
    sim::VesselRecord& tether = host.createVessel("T", "Veskar");
    sim::VesselRecord& payload = host.createVessel("P", "Payload");
    // The tether spins about global z (its body x) with its z axis radial; the payload
    // drifts up to the catcher's port with its own velocity and spin.
    sim::Mat3 R;
    const VECTOR3 bx{0, 0, 1}, by{0, -1, 0}, bz{1, 0, 0};
    for (int i = 0; i < 3; ++i)
        R(i, 0) = bx[i], R(i, 1) = by[i], R(i, 2) = bz[i];
    const VECTOR3 w{0, 0, 0.015};
    const VECTOR3 vcg{0, std::sqrt(sim::earth::mu / r400), 0};
    tether.state = {{r400, 0, 0}, vcg, R, R.tmul(w)};
    const VECTOR3 port = sim::portGlobalPos(*tether.docks[4]);
    payload.state.pos = port - VECTOR3{0, 0, 1} + VECTOR3{-0.05, 0, 0};  // its port 5 cm from the catcher's
    payload.state.vel = vcg + crossp(w, port - tether.state.pos) + VECTOR3{3, -2, 1};
    payload.state.omegaBody = {0.1, 0, 0.05};
    const Momenta before = momenta({&tether, &payload});

    host.step(0.001);  // the ports are within the capture distance: caught
    ASSERT_EQ(tether.docks[4]->mate, payload.docks[0].get());
    const Momenta after = momenta({&tether, &payload});
    // One short step of gravity changes the totals by about F dt; the catch itself adds
    // nothing beyond that (compare the relative change to what one step of gravity gives).
    const double gravityKick = (tether.mass() + payload.mass()) * 8.7 * 0.001;  // |p| change [kg m/s]
    EXPECT_LT(length(after.p - before.p), 2 * gravityKick);
    EXPECT_LT(length(after.L - before.L) / length(before.L), 1e-6);
    // Both now turn together.
    EXPECT_VEC_NEAR(tether.state.R * tether.state.omegaBody, payload.state.R * payload.state.omegaBody, 1e-12);
}
