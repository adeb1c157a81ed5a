// What the host must hold for a QRM_Shade vessel once its class capabilities are set,
// whether the module was linked in or loaded from Modules/.
#pragma once

#include <gtest/gtest.h>

#include "sim/vessel_record.h"
#include "tests/support/vector_expect.h"

extern "C" VESSEL* ovcInit(OBJHANDLE vessel, int flightModel);
extern "C" void ovcExit(VESSEL* vessel);

// The class's figures [SI units, vessel frame].
namespace shade_values {
constexpr double kSize = 0.5;
constexpr double kEmptyMass = 1000.0;
constexpr double kTank = 500.0;
constexpr VECTOR3 kThrusterPos{0.0, 0.0, -4.35};
constexpr VECTOR3 kThrusterDir{0.0, 0.0, 1.0};
constexpr double kMaxThrust = 1.0e8;
constexpr double kIspVacuum = 6000.0;
constexpr double kIspRef = 0.0;
constexpr double kPRef = 101400.0;
}  // namespace shade_values

inline void expectShadeDeclared(const sim::VesselRecord& v)
{
    using namespace shade_values;
    EXPECT_EQ(v.size, kSize);
    EXPECT_EQ(v.emptyMass, kEmptyMass);
    EXPECT_VEC_NEAR(v.pmi, {1.0, 1.0, 1.0}, 0.0);
    EXPECT_VEC_NEAR(v.camera.offset, {0.0, 0.0, 0.0}, 0.0);

    ASSERT_EQ(v.propellants.size(), 1u);
    const HostPropellant& tank = *v.propellants[0];
    EXPECT_EQ(tank.maxMass, kTank);
    EXPECT_EQ(tank.mass, kTank);  // created full
    EXPECT_EQ(tank.efficiency, 1.0);
    EXPECT_EQ(v.defaultPropellant, &tank);
    EXPECT_EQ(v.mass(), kEmptyMass + kTank);

    ASSERT_EQ(v.thrusters.size(), 1u);
    const HostThruster& th = *v.thrusters[0];
    EXPECT_VEC_NEAR(th.pos, kThrusterPos, 0.0);
    EXPECT_VEC_NEAR(th.dir, kThrusterDir, 0.0);
    EXPECT_EQ(th.maxThrust, kMaxThrust);
    EXPECT_EQ(th.tank, &tank);
    EXPECT_EQ(th.isp, kIspVacuum);
    EXPECT_EQ(th.ispRef, kIspRef);
    EXPECT_EQ(th.pRef, kPRef);

    ASSERT_EQ(v.thrusterGroups.size(), 1u);
    const HostThrusterGroup& group = *v.thrusterGroups[0];
    EXPECT_EQ(group.type, THGROUP_MAIN);
    EXPECT_EQ(group.thrusters, std::vector<HostThruster*>{v.thrusters[0].get()});

    EXPECT_TRUE(v.meshes.empty());
    EXPECT_TRUE(v.docks.empty());
    EXPECT_TRUE(v.beacons.empty());
}
