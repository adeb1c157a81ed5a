// The host's thruster services: what CreateThruster and CreateThrusterGroup keep, and the
// level a thruster group is given.

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "sim/host.h"
#include "tests/support/test_tree.h"
#include "tests/support/vector_expect.h"

namespace {

// A tree with one class described by its keys alone.
const std::filesystem::path& withBoxClass(const testing_support::ScratchTree& tree)
{
    tree.write("Config/Vessels/Box.cfg", "Mass = 100\n");
    return tree.path();
}

// Vessels of a class without a module: the host's own VESSEL2, driven here as a module would.
class ThrusterTest : public ::testing::Test {
protected:
    ThrusterTest() : host(withBoxClass(tree)), box(host.createVessel("Box", "Box")), other(host.createVessel("Other", "Box"))
    {
    }

    VESSEL& api(sim::VesselRecord& v) { return *v.iface; }

    testing_support::ScratchTree tree;
    sim::Host host;
    sim::VesselRecord& box;
    sim::VesselRecord& other;
};

}  // namespace

TEST_F(ThrusterTest, CreateThrusterKeepsEachValueInItsOwnField)
{
    VESSEL& v = api(box);
    PROPELLANT_HANDLE tank = v.CreatePropellantResource(50.0);
    // Every figure distinct, so that two swapped arguments or fields show.
    THRUSTER_HANDLE th = v.CreateThruster({1.0, 2.0, 3.0}, {0.0, 0.6, 0.8}, 2.0e5, tank, 3000.0, 2500.0, 50000.0);
    ASSERT_EQ(box.thrusters.size(), 1u);
    const HostThruster& t = *box.thrusters[0];
    EXPECT_EQ(th, &t);
    EXPECT_VEC_NEAR(t.pos, {1.0, 2.0, 3.0}, 0.0);
    EXPECT_VEC_NEAR(t.dir, {0.0, 0.6, 0.8}, 0.0);
    EXPECT_EQ(t.maxThrust, 2.0e5);
    EXPECT_EQ(t.tank, tank);
    EXPECT_EQ(t.isp, 3000.0);
    EXPECT_EQ(t.ispRef, 2500.0);
    EXPECT_EQ(t.pRef, 50000.0);
    EXPECT_EQ(t.level, 0.0);

    // Left out, the propellant is none and the impulses are 0 at the sea-level reference.
    v.CreateThruster({0, 0, 0}, {0, 0, 1}, 10.0);
    const HostThruster& bare = *box.thrusters.at(1);
    EXPECT_EQ(bare.tank, nullptr);
    EXPECT_EQ(bare.isp, 0.0);
    EXPECT_EQ(bare.ispRef, 0.0);
    EXPECT_EQ(bare.pRef, 101400.0);
}

TEST_F(ThrusterTest, GroupKeepsOnlyThisVesselsThrustersInOrder)
{
    VESSEL& v = api(box);
    THRUSTER_HANDLE a = v.CreateThruster({0, 0, -1}, {0, 0, 1}, 10.0);
    THRUSTER_HANDLE b = v.CreateThruster({0, 0, 1}, {0, 0, -1}, 10.0);
    THRUSTER_HANDLE foreign = api(other).CreateThruster({0, 0, 0}, {0, 1, 0}, 10.0);
    THRUSTER_HANDLE members[] = {b, nullptr, foreign, a};
    THGROUP_HANDLE g = v.CreateThrusterGroup(members, 4, THGROUP_RETRO);
    ASSERT_EQ(box.thrusterGroups.size(), 1u);
    EXPECT_EQ(g, box.thrusterGroups[0].get());
    EXPECT_EQ(g->type, THGROUP_RETRO);
    EXPECT_EQ(g->thrusters, (std::vector<HostThruster*>{b, a}));

    // Setting the group's level leaves the other vessel's thruster alone.
    v.SetThrusterGroupLevel(THGROUP_RETRO, 1.0);
    EXPECT_EQ(foreign->level, 0.0);

    EXPECT_TRUE(v.CreateThrusterGroup(nullptr, 3, THGROUP_HOVER)->thrusters.empty());
    EXPECT_TRUE(v.CreateThrusterGroup(members, -1, THGROUP_USER)->thrusters.empty());
}

TEST_F(ThrusterTest, GroupLevelIsClampedToZeroOneAndReachesItsThrusters)
{
    VESSEL& v = api(box);
    THRUSTER_HANDLE main1 = v.CreateThruster({-1, 0, -2}, {0, 0, 1}, 10.0);
    THRUSTER_HANDLE main2 = v.CreateThruster({1, 0, -2}, {0, 0, 1}, 10.0);
    THRUSTER_HANDLE retro = v.CreateThruster({0, 0, 2}, {0, 0, -1}, 10.0);
    THRUSTER_HANDLE mains[] = {main1, main2};
    v.CreateThrusterGroup(mains, 2, THGROUP_MAIN);
    v.CreateThrusterGroup(&retro, 1, THGROUP_RETRO);
    v.SetThrusterGroupLevel(THGROUP_RETRO, 0.3);

    constexpr double inf = std::numeric_limits<double>::infinity();
    const struct {
        double given, kept;
    } cases[] = {{0.0, 0.0}, {0.25, 0.25}, {1.0, 1.0}, {1.5, 1.0}, {-0.3, 0.0}, {inf, 1.0}, {-inf, 0.0}};
    for (const auto& c : cases) {
        v.SetThrusterGroupLevel(THGROUP_MAIN, c.given);
        EXPECT_EQ(v.GetThrusterGroupLevel(THGROUP_MAIN), c.kept) << "given " << c.given;
        EXPECT_EQ(main1->level, c.kept) << "given " << c.given;
        EXPECT_EQ(main2->level, c.kept) << "given " << c.given;
    }
    EXPECT_EQ(v.GetThrusterGroupLevel(THGROUP_RETRO), 0.3);  // other groups keep theirs
    EXPECT_EQ(retro->level, 0.3);
    EXPECT_EQ(v.GetThrusterGroupLevel(THGROUP_HOVER), 0.0);  // no such group

    // A level that is not a number is refused: the group keeps the level it had.
    v.SetThrusterGroupLevel(THGROUP_MAIN, 0.5);
    v.SetThrusterGroupLevel(THGROUP_MAIN, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(v.GetThrusterGroupLevel(THGROUP_MAIN), 0.5);
    EXPECT_EQ(main1->level, 0.5);
}
