// QRM_Shade as the host finds it: Modules/QRM_Shade.so through Config/Vessels/QRM_Shade.cfg.

#include <dlfcn.h>
#include <elf.h>
#include <link.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/module.h"
#include "host/oapi.h"
#include "sim/host.h"
#include "tests/shade/shade_expect.h"
#include "tests/support/test_tree.h"

namespace {

// The libraries a loaded module names as its own dependencies (DT_NEEDED).
std::vector<std::string> neededLibraries(void* nativeHandle)
{
    link_map* map = nullptr;
    if (::dlinfo(nativeHandle, RTLD_DI_LINKMAP, &map) != 0 || !map)
        return {"<no link map>"};
    const char* strtab = nullptr;
    for (const ElfW(Dyn)* d = map->l_ld; d->d_tag != DT_NULL; ++d) {
        if (d->d_tag == DT_STRTAB)
            strtab = reinterpret_cast<const char*>(d->d_un.d_ptr);
    }
    std::vector<std::string> needed;
    for (const ElfW(Dyn)* d = map->l_ld; strtab && d->d_tag != DT_NULL; ++d) {
        if (d->d_tag == DT_NEEDED)
            needed.emplace_back(strtab + d->d_un.d_val);
    }
    return needed;
}

}  // namespace

TEST(ShadeLoading, LoadsByClassAndDeclaresWhatTheLinkedModuleDoes)
{
    sim::Host host(testing_support::buildTree());
    sim::VesselRecord& v = host.createVessel("Shade", "QRM_Shade");
    host.finishCreation();
    ASSERT_NE(v.module, nullptr);
    EXPECT_EQ(v.module->file(), testing_support::buildTree() / "Modules" / "QRM_Shade.so");
    EXPECT_STREQ(v.iface->GetClassNameA(), "QRM_Shade");
    EXPECT_EQ(oapiGetVesselInterface(v.handle()), v.iface);
    expectShadeDeclared(v);  // the configuration adds nothing: no tank, mesh or port of its own

    // A second vessel shares the module but has its own tank and thruster.
    sim::VesselRecord& w = host.createVessel("Shade2", "QRM_Shade");
    EXPECT_EQ(w.module, v.module);
    expectShadeDeclared(w);
    EXPECT_NE(w.thrusters[0]->tank, v.thrusters[0]->tank);

    const auto exitFn = v.module->function<OvcExitFunc>("ovcExit");
    ASSERT_NE(exitFn, nullptr);
    exitFn(nullptr);  // does nothing
    EXPECT_EQ(host.vesselCount(), 2u);
    host.destroyVessel(v);
    host.destroyVessel(w);
    EXPECT_EQ(host.vesselCount(), 0u);
}

TEST(ShadeLoading, ExportsOnlyItsEntryPointsAndNeedsNoOtherModule)
{
    sim::Host host(testing_support::buildTree());
    sim::LoadedModule& m = host.modules().load("QRM_Shade");
    EXPECT_NE(m.symbol("ovcInit"), nullptr);
    EXPECT_NE(m.symbol("ovcExit"), nullptr);
    EXPECT_EQ(m.symbol("_ZN9QRM_Shade16clbkSetClassCapsEP8HostFile"), nullptr);

    const std::vector<std::string> needed = neededLibraries(m.nativeHandle());
    EXPECT_FALSE(needed.empty());  // the C++ runtime at least: the list was read
    for (const std::string& lib : needed) {
        for (const char* ours : {"Veskar", "veskar", "PayloadRelease"})
            EXPECT_EQ(lib.find(ours), std::string::npos) << "QRM_Shade.so needs " << lib;
    }
}
