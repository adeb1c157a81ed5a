// On Windows: QRM_Shade as the host finds it, Modules/QRM_Shade.dll through
// Config/Vessels/QRM_Shade.cfg, loaded by the system's loader.

#include <gtest/gtest.h>

#include "sim/host.h"
#include "tests/shade/shade_expect.h"
#include "tests/support/test_tree.h"

TEST(ShadeLoading, LoadsTheDllByClassAndDeclaresWhatTheLinkedModuleDoes)
{
    sim::Host host(testing_support::buildTree());
    sim::VesselRecord& v = host.createVessel("Shade", "QRM_Shade");
    host.finishCreation();
    ASSERT_NE(v.module, nullptr);
    EXPECT_EQ(v.module->file(), testing_support::buildTree() / "Modules" / "QRM_Shade.dll");
    EXPECT_STREQ(v.iface->GetClassNameA(), "QRM_Shade");
    expectShadeDeclared(v);
    EXPECT_NE(v.module->symbol("ovcInit"), nullptr);
    EXPECT_EQ(v.module->symbol("_ZN9QRM_Shade16clbkSetClassCapsEP8HostFile"), nullptr);
    host.destroyVessel(v);
    EXPECT_EQ(host.vesselCount(), 0u);
}
