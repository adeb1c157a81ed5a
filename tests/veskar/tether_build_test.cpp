// What the host sees of the tether build, and in which order.

#include <algorithm>

#include "tests/support/vector_expect.h"
#include "tests/veskar/veskar_fixture.h"

namespace {
constexpr double kCgFull = -8976.524451384763;  // see mass_properties_test.cpp
}

TEST_F(VeskarTest, ClassCapsCallOrder)
{
    // Propellant first, then the build (lights before the mass routine, meshes after the
    // shift, then inertia and sizes), then the five docks.
    const auto ops = opsNamed({"CreatePropellantResource", "SetDefaultPropellantResource", "AddBeacon", "SetEmptyMass",
                               "GetFuelMass", "AddMesh", "SetMeshVisibilityMode", "SetPMI", "SetSize",
                               "SetClipRadius", "SetVisibilityLimit", "CreateDock"});
    std::vector<std::string> expected{"CreatePropellantResource", "SetDefaultPropellantResource"};
    expected.insert(expected.end(), 22, "AddBeacon");
    expected.insert(expected.end(), {"SetEmptyMass", "GetFuelMass", "GetFuelMass"});
    for (int i = 0; i < 4; ++i)
        expected.insert(expected.end(), {"AddMesh", "SetMeshVisibilityMode"});
    expected.insert(expected.end(), {"SetPMI", "SetSize", "SetClipRadius", "SetVisibilityLimit"});
    expected.insert(expected.end(), 5, "CreateDock");
    EXPECT_EQ(ops, expected);

    const auto prop = host.journal().calls("CreatePropellantResource");
    ASSERT_EQ(prop.size(), 1u);
    EXPECT_EQ(prop[0].args, (std::vector<double>{20000.0, -1.0, 1.0}));
    ASSERT_EQ(record->propellants.size(), 1u);
    EXPECT_EQ(record->defaultPropellant, record->propellants[0].get());
    EXPECT_DOUBLE_EQ(record->defaultPropellant->mass, 20000.0);
}

TEST_F(VeskarTest, SegmentsMeshesAndPointMasses)
{
    const char* names[] = {"qrm-catcher", "qrm-CableA", "qrm-CableA", "qrm-Veskar-massesA"};
    const std::size_t masses[] = {1, 4, 4, 6};
    ASSERT_EQ(vessel->assembly().segmentList().size(), 4u);
    ASSERT_EQ(record->meshes.size(), 4u);
    const VECTOR3 cg{0, 0, kCgFull};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(segment(i).meshName, names[i]);
        EXPECT_EQ(segment(i).pointMasses.size(), masses[i]);
        EXPECT_EQ(segment(i).meshIndex, i);
        EXPECT_EQ(record->meshes[i].name, names[i]);
        EXPECT_EQ(record->meshes[i].visibility, 3);
        // Meshes sit at the shifted positions.
        EXPECT_VEC_NEAR(record->meshes[i].offset, kBuildPositions[i] - cg, 1e-9);
        for (const auto& pm : segment(i).pointMasses) {
            if (pm->kind == 1) {
                EXPECT_VEC_NEAR(pm->rodEnd - pm->centre, (VECTOR3{0, 0, segment(i).halfLength}), 0.0);
                EXPECT_DOUBLE_EQ(pm->mass, (segment(i).halfLength + segment(i).halfLength) * 0.125);
            }
        }
    }
}

TEST_F(VeskarTest, SizeClipRadiusAndVisibility)
{
    // The sum of the half-lengths, added in index order.
    EXPECT_EQ(record->size, ((73.65 + 20001.05) + 20001.05) + 20036.37);
    // Origin to the catcher's outer end: |-100093.027 - cg| + 73.65 = 91190.1525486...
    EXPECT_NEAR(record->clipRadius, 91190.15254861524, 1e-6);
    EXPECT_DOUBLE_EQ(record->clipRadius, length(segment(0).position) + 73.65);
    EXPECT_DOUBLE_EQ(record->visibilityLimit, 0.05);
    EXPECT_DOUBLE_EQ(record->spotLimit, -1.0);
}

TEST_F(VeskarTest, BeaconSetUpComesPerSegmentBeforeTheShift)
{
    // 6 + 4 + 4 + 8 lights, registered in segment order, all at build-frame offsets that
    // the shift then moved: a light's position is its segment's shifted position + offset.
    ASSERT_EQ(record->beacons.size(), 22u);
    std::size_t n = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        for (const auto& light : segment(i).beacons.lightList()) {
            EXPECT_EQ(record->beacons[n++], light->spec.get());
            EXPECT_EQ(light->spec->pos, &light->position);
        }
    }
    EXPECT_VEC_NEAR(*record->beacons[2]->pos, segment(0).position + VECTOR3{-3.02, 0, -73.27}, 1e-9);
}

TEST(TetherBuild, WithoutAnInterfaceForItsHandleNothingIsBuilt)
{
    sim::Host host(testing_support::buildTree());
    host.journal().enable();
    TetherAssembly tether(nullptr);  // a handle the host does not know
    tether.build();
    EXPECT_FALSE(tether.isBuilt());
    tether.preStep();
    tether.setLights(1);
    EXPECT_TRUE(tether.loadVirtualCockpit(0));
    EXPECT_EQ(host.journal().ops(), std::vector<std::string>{"oapiGetVesselInterface"});
}

TEST(VeskarLife, CreateAndDestroyThroughTheHost)
{
    sim::Host host(testing_support::buildTree());
    sim::VesselRecord& v = host.createVessel("T1", "Veskar", {&ovcInit, &ovcExit});
    host.createVessel("T2", "Veskar", {&ovcInit, &ovcExit});
    EXPECT_EQ(oapiGetVesselCount(), 2u);
    EXPECT_EQ(oapiGetVesselInterface(oapiGetVesselByIndex(0)), v.iface);
    EXPECT_STREQ(oapiGetVesselInterface(oapiGetVesselByIndex(1))->GetName(), "T2");
    EXPECT_STREQ(v.iface->GetClassNameA(), "Veskar");
    host.destroyVessel(v);
    EXPECT_EQ(oapiGetVesselCount(), 1u);
    EXPECT_EQ(oapiGetVesselByIndex(1), nullptr);
    ovcExit(nullptr);  // does nothing
}
