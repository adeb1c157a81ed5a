// Superstructures: docking alignment, conservation of momentum and angular momentum when
// ports join and part (release is internal to the system), the motion members share, and
// capture of ports that meet. References: rigid-body kinematics v = v_cg + w x r.

#include "sim/composite.h"
#include "sim/docking.h"
#include "sim/orbit.h"
#include "tests/sim/physics_fixture.h"
#include "tests/support/vector_expect.h"

namespace {

struct Totals {
    double mass = 0.0;
    VECTOR3 cg{}, momentum{}, angularMomentum{};
    double energy = 0.0;  // kinetic, translational + rotational [J]
};

// Linear and angular momentum (about the common centre) of a set of vessels.
Totals totals(const std::vector<sim::VesselRecord*>& vs)
{
    Totals t;
    for (const auto* v : vs) {
        t.mass += v->mass();
        t.cg += v->mass() * v->state.pos;
        t.momentum += v->mass() * v->state.vel;
    }
    t.cg = t.cg / t.mass;
    for (const auto* v : vs) {
        const sim::Mat3 I = sim::vesselInertia(*v);
        const VECTOR3 w = v->state.omegaBody;
        t.angularMomentum += v->state.R * (I * w) + v->mass() * crossp(v->state.pos - t.cg, v->state.vel);
        t.energy += 0.5 * v->mass() * dotp(v->state.vel, v->state.vel) + 0.5 * dotp(w, I * w);
    }
    return t;
}

void expectSameMomenta(const Totals& a, const Totals& b)
{
    EXPECT_LT(length(a.momentum - b.momentum), 1e-9 * length(a.momentum));
    EXPECT_LT(length(a.angularMomentum - b.angularMomentum), 1e-9 * length(a.angularMomentum));
}

}  // namespace

class SpinningPair : public PhysicsTest {
protected:
    // Anchor and tip in a 400 km orbit, docked, the tip 91 km above the joint centre of
    // gravity, spinning at `omega` [rad/s] about the orbit normal so the tip moves prograde.
    void build(double omega, sim::HostOptions options = {})
    {
        sim::Host& h = makeHost(options);
        anchor = &h.createVessel("Anchor", "Anchor");
        tip = &h.createVessel("Tip", "Tip");
        // Body z radial (global +x), body x along the orbit normal (global +z).
        R = sim::Mat3::identity();
        const VECTOR3 bx{0, 0, 1}, by{0, -1, 0}, bz{1, 0, 0};
        for (int i = 0; i < 3; ++i)
            R(i, 0) = bx[i], R(i, 1) = by[i], R(i, 2) = bz[i];
        setState(*anchor, {r400, 0, 0}, {0, 0, 0}, R);
        setState(*tip, {r400 + 5000, 0, 0}, {0, 0, 0});
        ASSERT_TRUE(h.dock(*anchor->docks[0], *tip->docks[0]));
        // Now set the joint motion: centre on the circular orbit, spinning at omega.
        sim::Composite c;
        c.build({anchor, tip});
        const VECTOR3 cgTarget{r400, 0, 0}, vcg{0, circularSpeed(r400), 0}, w{0, 0, omega};
        const VECTOR3 shift = cgTarget - c.cgGlobal;
        for (auto* v : {anchor, tip}) {
            v->state.pos += shift;
            v->state.vel = vcg + crossp(w, v->state.pos - cgTarget);
            v->state.omegaBody = v->state.R.tmul(w);
        }
    }
    sim::VesselRecord* anchor = nullptr;
    sim::VesselRecord* tip = nullptr;
    sim::Mat3 R;
};

TEST_F(SpinningPair, DockingAlignsThePorts)
{
    build(0.0);
    const HostDock& a = *anchor->docks[0];
    const HostDock& b = *tip->docks[0];
    EXPECT_VEC_NEAR(sim::portGlobalPos(a), sim::portGlobalPos(b), 1e-6);
    EXPECT_VEC_NEAR(sim::portGlobalDir(a), -sim::portGlobalDir(b), 1e-12);
    EXPECT_VEC_NEAR(anchor->state.R * a.rot, tip->state.R * b.rot, 1e-12);
    // The tip is 91000 m above the joint centre: 91091 * 1e6 / (1e6 + 1000) from the anchor.
    EXPECT_NEAR(length(tip->state.pos - VECTOR3{r400, 0, 0}), 91000.0, 1e-6);
    EXPECT_EQ(anchor->iface->DockingStatus(0), 1u);
}

TEST_F(PhysicsTest, JoiningConservesMomentumAndAngularMomentum)
{
    sim::Host& h = makeHost();
    auto& anchor = h.createVessel("Anchor", "Anchor");
    auto& tip = h.createVessel("Tip", "Tip");
    // The tip already sits at the anchor's port, aligned, but moves and spins differently.
    setState(anchor, {r400, 0, 0}, {0, 7000, 0}, sim::Mat3::identity(), {0.001, 0.002, 0.0});
    sim::Mat3 flip;  // tip z opposite anchor z, y parallel
    flip(0, 0) = -1, flip(2, 2) = -1;
    setState(tip, {r400, 0, 91091}, {3, 7010, -1}, flip, {0.1, 0, 0.2});
    const Totals before = totals({&anchor, &tip});
    ASSERT_TRUE(h.dock(*anchor.docks[0], *tip.docks[0]));
    const Totals after = totals({&anchor, &tip});
    expectSameMomenta(before, after);
    EXPECT_LT(after.energy, before.energy);  // an inelastic join
    EXPECT_VEC_NEAR(tip.state.pos, (VECTOR3{r400, 0, 91091}), 1e-6);  // no move was needed
}

TEST_F(SpinningPair, MembersShareTheMotionOfTheWhole)
{
    build(0.015);
    for (int i = 0; i < 50; ++i)
        host->step(0.1);
    // Each member's velocity is the whole's v_cg + w x r; both report the same centre.
    sim::Composite c;
    c.build({anchor, tip});
    const VECTOR3 w = anchor->state.R * anchor->state.omegaBody;
    EXPECT_NEAR(length(w), 0.015, 1e-6);
    EXPECT_VEC_NEAR(tip->state.vel, c.velGlobal + crossp(w, tip->state.pos - c.cgGlobal), 1e-9);
    VECTOR3 cgA{}, cgT{};
    EXPECT_TRUE(anchor->iface->GetSuperstructureCG(cgA));
    EXPECT_TRUE(tip->iface->GetSuperstructureCG(cgT));
    VECTOR3 gA{}, gT{};
    anchor->iface->Local2Global(cgA, gA);
    tip->iface->Local2Global(cgT, gT);
    EXPECT_VEC_NEAR(gA, c.cgGlobal, 1e-6);
    EXPECT_VEC_NEAR(gT, c.cgGlobal, 1e-6);
    VESSELSTATUS2 vs{};
    vs.version = 2;
    tip->iface->GetStatusEx(&vs);
    EXPECT_VEC_NEAR(vs.rvel, tip->state.vel, 0.0);
}

TEST_F(SpinningPair, UndockingKeepsEachPartsVelocityAndSharesTheSeparation)
{
    build(0.015);  // default separation speed 0.2 m/s
    host->step(0.1);
    const Totals before = totals({anchor, tip});
    const VECTOR3 tipVel = tip->state.vel, anchorVel = anchor->state.vel;
    const VECTOR3 axis = sim::portGlobalDir(*anchor->docks[0]);
    ASSERT_TRUE(anchor->iface->Undock(0));
    EXPECT_EQ(anchor->iface->DockingStatus(0), 0u);
    const double M = 1e6 + 1000;
    EXPECT_VEC_NEAR(tip->state.vel, tipVel + axis * (0.2 * 1e6 / M), 1e-9);
    EXPECT_VEC_NEAR(anchor->state.vel, anchorVel - axis * (0.2 * 1000 / M), 1e-9);
    // The separation acts along the line of the two centres: both momenta are kept.
    expectSameMomenta(before, totals({anchor, tip}));
    // Each part keeps the whole's angular velocity.
    EXPECT_VEC_NEAR(tip->state.R * tip->state.omegaBody, anchor->state.R * anchor->state.omegaBody, 1e-15);
    EXPECT_FALSE(anchor->iface->Undock(0));  // nothing left to undock
}

TEST_F(SpinningPair, ReleaseWithoutSeparationIsInternal)
{
    sim::HostOptions options;
    options.docking.separationSpeed = 0.0;
    build(0.015, options);
    const Totals before = totals({anchor, tip});
    ASSERT_TRUE(tip->iface->Undock(0));
    const Totals after = totals({anchor, tip});
    expectSameMomenta(before, after);
    EXPECT_NEAR(after.energy / before.energy, 1.0, 1e-12);
}

TEST_F(SpinningPair, ReleaseAtTheTopOfTheSwingReachesTheWorkedApoapsis)
{
    // Worked figure: centre in a 400 km circular orbit (7672.6 m/s), tip 91 km above it,
    // w = 0.015 rad/s: release speed 7672.6 + 0.015 * 91000 = 9037.6 m/s at 491 km,
    // apoapsis r_a = r_p^2 v_p^2 / (2 mu - r_p v_p^2), altitude about 9876 km.
    sim::HostOptions options;
    options.docking.separationSpeed = 0.0;
    build(0.015, options);
    ASSERT_TRUE(tip->iface->Undock(0));
    const double rp = length(tip->state.pos), vp = length(tip->state.vel);
    EXPECT_NEAR(vp, 9037.6, 0.1);
    EXPECT_NEAR(rp - sim::earth::radius, 491e3, 1e-3);
    const double ra = rp * rp * vp * vp / (2 * sim::earth::mu - rp * vp * vp);
    EXPECT_NEAR((ra - sim::earth::radius) / 1e3, 9876.0, 1.0);

    // Fly the tip to apoapsis, half its orbit, and take the highest radius reached.
    const double half = sim::orbitOf(tip->state.pos, tip->state.vel).period / 2;
    double highest = 0.0;
    for (double t = 0; t < half + 60; t += 5.0) {
        host->step(5.0);
        highest = std::max(highest, length(tip->state.pos));
    }
    EXPECT_NEAR(highest, ra, 50.0);
    // The anchor's own orbit was lowered: its apoapsis is now the release radius' centre
    // side, below the tip's.
    EXPECT_LT(sim::orbitOf(anchor->state.pos, anchor->state.vel).apoapsis, ra);
}

TEST_F(PhysicsTest, PartedPortsAreNotRecapturedForASecond)
{
    sim::HostOptions options;
    options.docking.separationSpeed = 0.0;
    sim::Host& h = makeHost(options);
    auto& anchor = h.createVessel("Anchor", "Anchor");
    auto& tip = h.createVessel("Tip", "Tip");
    setState(anchor, {r400, 0, 0}, {0, circularSpeed(r400), 0});
    setState(tip, {r400 + 1000, 0, 0}, {0, circularSpeed(r400), 0});
    ASSERT_TRUE(h.dock(*anchor.docks[0], *tip.docks[0]));
    ASSERT_TRUE(h.undock(*anchor.docks[0]));
    // Without separation the ports stay together; capture waits for the suppression time.
    for (int i = 0; i < 9; ++i)
        h.step(0.1);
    EXPECT_EQ(anchor.iface->DockingStatus(0), 0u);
    for (int i = 0; i < 3; ++i)
        h.step(0.1);
    EXPECT_EQ(anchor.iface->DockingStatus(0), 1u);
}
