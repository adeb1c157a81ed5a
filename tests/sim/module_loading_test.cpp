// Loading vessel modules through the host's real loader, by class name, and its errors.

#include <gtest/gtest.h>

#include "host/oapi.h"
#include "sim/errors.h"
#include "sim/host.h"
#include "tests/support/test_tree.h"

using testing_support::ScratchTree;

namespace {

// Runs `create` and returns the InputError's message, or "" if none was thrown.
template <typename F>
std::string inputError(F create)
{
    try {
        create();
    } catch (const sim::InputError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(ModuleLoading, VeskarLoadsByClassFromTheBuildTree)
{
    sim::Host host(testing_support::buildTree());
    sim::VesselRecord& v = host.createVessel("Tether", "Veskar");
    host.finishCreation();
    ASSERT_NE(v.module, nullptr);
    EXPECT_EQ(v.module->file(), testing_support::buildTree() / "Modules" / "Veskar.so");
    EXPECT_NEAR(v.emptyMass, 276446.47, 1e-6);
    EXPECT_EQ(v.docks.size(), 5u);
    EXPECT_EQ(v.beacons.size(), 22u);
    EXPECT_EQ(oapiGetVesselInterface(v.handle()), v.iface);
    // A second vessel of the class shares the loaded module.
    sim::VesselRecord& w = host.createVessel("Tether2", "Veskar");
    EXPECT_EQ(w.module, v.module);
    host.destroyVessel(v);
    EXPECT_EQ(host.vesselCount(), 1u);
}

TEST(ModuleLoading, OnlyTheEntryPointsAndPayloadMembersAreExported)
{
    sim::Host host(testing_support::buildTree());
    sim::LoadedModule& m = host.modules().load("Veskar");
    EXPECT_NE(m.symbol("ovcInit"), nullptr);
    EXPECT_NE(m.symbol("ovcExit"), nullptr);
    EXPECT_NE(m.symbol("_ZN6Veskar10hasPayloadEv"), nullptr);
    EXPECT_NE(m.symbol("_ZN6Veskar14releasePayloadEv"), nullptr);
    EXPECT_NE(m.symbol("_ZN6Veskar17getPayloadVVAngleEv"), nullptr);
    EXPECT_EQ(m.symbol("_ZN14TetherAssembly5buildEv"), nullptr);
    EXPECT_EQ(m.symbol("_ZN6Veskar16clbkSetClassCapsEP8HostFile"), nullptr);
}

TEST(ModuleLoading, BadClassesAreReportedWithTheirFile)
{
    ScratchTree tree;
    tree.write("Config/Vessels/NoModule.cfg", "ClassName = NoModule\n");
    tree.write("Config/Vessels/Missing.cfg", "Module = NotThere\n");
    tree.write("Config/Vessels/Empty.cfg", "Module =\n");
    tree.write("Config/Vessels/Broken.cfg", "Module = Veskar\nthis line is wrong\n");
    tree.write("Config/Vessels/NoEntry.cfg", "Module = NoEntry\n");
    std::filesystem::create_directories(tree.path() / "Modules");
    std::filesystem::copy_file(NO_ENTRY_MODULE, tree.path() / "Modules" / "NoEntry.so");
    tree.write("Modules/Garbage.so", "not a shared library");
    tree.write("Config/Vessels/Garbage.cfg", "Module = Garbage\n");

    sim::Host host(tree.path());
    const struct {
        const char* className;
        std::string file;
        const char* problem;
    } cases[] = {
        {"Unknown", "Config/Vessels/Unknown.cfg", "no configuration for vessel class 'Unknown'"},
        {"NoModule", "Config/Vessels/NoModule.cfg", "has no Module"},
        {"Missing", "Modules/NotThere.so", "module 'NotThere' not found"},
        {"Empty", "Config/Vessels/Empty.cfg:1", "Module names no module"},
        {"Broken", "Config/Vessels/Broken.cfg:2", "expected 'Key = Value'"},
        {"NoEntry", "Modules/NoEntry.so", "no entry point 'ovcInit'"},
        {"Garbage", "Modules/Garbage.so", "cannot load module"},
    };
    for (const auto& c : cases) {
        const std::string message = inputError([&] { host.createVessel("v", c.className); });
        EXPECT_NE(message.find((tree.path() / c.file).string()), std::string::npos) << c.className << ": " << message;
        EXPECT_NE(message.find(c.problem), std::string::npos) << c.className << ": " << message;
    }
    EXPECT_EQ(host.vesselCount(), 0u);
}

TEST(ModuleLoading, ClassWithoutModuleIsDescribedByItsKeys)
{
    ScratchTree tree;
    tree.write("Config/Vessels/Box.cfg",
               "Mass = 1500\nSize = 2\nInertia = 1 2 3\nBEGIN_DOCKLIST\n0 0 1  0 0 1  0 1 0\nEND_DOCKLIST\n");
    sim::Host host(tree.path());
    sim::VesselRecord& box = host.createVessel("Box1", "Box");
    EXPECT_EQ(box.module, nullptr);
    EXPECT_DOUBLE_EQ(box.emptyMass, 1500.0);
    EXPECT_DOUBLE_EQ(box.size, 2.0);
    ASSERT_EQ(box.docks.size(), 1u);
    EXPECT_STREQ(box.iface->GetClassNameA(), "Box");
    EXPECT_THROW(host.createVessel("Box1", "Box"), std::invalid_argument);  // names are unique
}
