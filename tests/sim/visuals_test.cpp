// Visuals: mesh copies per visual, creation and destruction on request and by camera
// range, and mesh files that cannot be read.

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/host.h"
#include "sim/host.h"
#include "tests/support/test_tree.h"

namespace {

// What the probe vessel declares, and what it heard; set and read by the test.
struct Probe {
    std::vector<std::string> meshes;
    double size = 10.0;             // [m]
    double visibilityLimit = 0.01;  // range 1000 m
    std::vector<std::string> events;
    VISHANDLE lastVisual = nullptr;
    bool meshAtDestroy = false;  // mesh 0 still readable in clbkVisualDestroyed
};
Probe probe;

class ProbeVessel final : public VESSEL2 {
public:
    using VESSEL2::VESSEL2;
    void clbkSetClassCaps(FILEHANDLE) override
    {
        for (const auto& m : probe.meshes)
            AddMesh(m.c_str());
        SetSize(probe.size);
        SetVisibilityLimit(probe.visibilityLimit);
    }
    void clbkVisualCreated(VISHANDLE visual, int refcount) override
    {
        probe.events.push_back(std::string(GetName()) + " created " + std::to_string(refcount));
        probe.lastVisual = visual;
    }
    void clbkVisualDestroyed(VISHANDLE visual, int refcount) override
    {
        probe.events.push_back(std::string(GetName()) + " destroyed " + std::to_string(refcount));
        probe.meshAtDestroy = GetMesh(visual, 0) != nullptr;
    }
};

VESSEL* probeInit(OBJHANDLE h, int fm)
{
    return new ProbeVessel(h, fm);
}
void probeExit(VESSEL* v)
{
    probe.events.push_back(std::string(v->GetName()) + " exit");
    delete static_cast<ProbeVessel*>(v);
}

// Two materials: red-ish and blue-ish.
const char* const kBoxMesh =
    "MSHX1\nGROUPS 1\nMATERIAL 1\nGEOM 3 1\n0 0 0\n1 0 0\n0 1 0\n0 1 2\n"
    "MATERIALS 2\nred\nblue\n"
    "MATERIAL red\n0.8 0.1 0.1 1\n0.4 0 0 1\n0.2 0.2 0.2 1 7\n0 0 0 1\n"
    "MATERIAL blue\n0.1 0.1 0.8 1\n0 0 0.4 1\n0.2 0.2 0.2 1 9\n0 0 0 1\n"
    "TEXTURES 0\n";

class VisualsTest : public ::testing::Test {
protected:
    VisualsTest() : host(tree.path())
    {
        probe = Probe{};
        tree.write("Meshes/box.msh", kBoxMesh);
        tree.write("Meshes/sub/panel.msh", kBoxMesh);
    }
    sim::VesselRecord& make(const std::string& name, std::vector<std::string> meshes)
    {
        probe.meshes = std::move(meshes);
        return host.createVessel(name, "Probe", {&probeInit, &probeExit});
    }

    testing_support::ScratchTree tree;
    sim::Host host;
};

bool sameMaterial(const MATERIAL& a, const MATERIAL& b)
{
    return std::memcmp(&a, &b, sizeof(MATERIAL)) == 0;
}

}  // namespace

TEST_F(VisualsTest, EachVisualHoldsItsOwnCopyOfEveryMesh)
{
    sim::VesselRecord& a = make("A", {"box", "sub/panel"});
    sim::VesselRecord& b = make("B", {"box"});
    ASSERT_TRUE(host.visuals().create(a));
    VISHANDLE va = probe.lastVisual;
    ASSERT_TRUE(host.visuals().create(b));
    VISHANDLE vb = probe.lastVisual;
    EXPECT_FALSE(host.visuals().create(a)) << "one visual per vessel";
    EXPECT_EQ(probe.events, (std::vector<std::string>{"A created 1", "B created 1"}));

    MESHHANDLE a0 = a.iface->GetMesh(va, 0);
    MESHHANDLE a1 = a.iface->GetMesh(va, 1);
    MESHHANDLE b0 = b.iface->GetMesh(vb, 0);
    ASSERT_TRUE(a0 && a1 && b0);
    EXPECT_NE(a0, b0);
    EXPECT_EQ(a.iface->GetMesh(va, 2), nullptr);
    EXPECT_EQ(a.iface->GetMesh(vb, 0), nullptr) << "another vessel's visual";
    EXPECT_EQ(oapiMeshMaterialCount(a1), 2u);
    EXPECT_EQ(oapiMeshMaterial(a0, 2), nullptr);

    // A module's write reaches only its own visual's copy, at a stable address.
    MATERIAL* red = oapiMeshMaterial(a0, 0);
    ASSERT_NE(red, nullptr);
    red->emissive = {1, 1, 1, 1};
    EXPECT_EQ(oapiMeshMaterial(a0, 0), red);
    const HostMesh* box = host.visuals().meshTemplate("box");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->materials[0].emissive.r, 0.0f);
    EXPECT_TRUE(sameMaterial(*oapiMeshMaterial(b0, 0), box->materials[0]));
    EXPECT_EQ(oapiMeshMaterial(b0, 1)->power, 9.0f);

    ASSERT_TRUE(host.visuals().destroy(a));
    EXPECT_FALSE(host.visuals().destroy(a));
    EXPECT_EQ(probe.events.back(), "A destroyed 1");
    // Stale handles lead nowhere.
    EXPECT_EQ(a.iface->GetMesh(va, 0), nullptr);
    EXPECT_EQ(oapiMeshMaterial(a0, 0), nullptr);
    EXPECT_NE(oapiMeshMaterial(b0, 0), nullptr);

    // A new visual starts again from the file's materials.
    ASSERT_TRUE(host.visuals().create(a));
    EXPECT_TRUE(sameMaterial(*oapiMeshMaterial(a.iface->GetMesh(probe.lastVisual, 0), 0), box->materials[0]));
}

TEST_F(VisualsTest, CameraRangeCreatesAndDestroysTheVisualTwice)
{
    sim::VesselRecord& v = make("V", {"box"});
    const VECTOR3 at{100.0, -50.0, 20.0};
    v.state.pos = at;
    ASSERT_DOUBLE_EQ(sim::Visuals::visualRange(v), 1000.0);  // size 10 m / limit 0.01
    struct Stage {
        double distance;  // camera from the vessel, along +y [m]
        bool shown;
    };
    const Stage stages[] = {
        {2000.0, false}, {999.0, true}, {1090.0, true},  // within the 10 % margin: kept
        {1101.0, false}, {1050.0, false},                // outside the range: not created
        {0.0, true}, {5000.0, false},
    };
    for (const Stage& s : stages) {
        host.cameraPos = at + VECTOR3{0.0, s.distance, 0.0};
        host.step(0.01);
        EXPECT_EQ(host.visuals().visualOf(v) != nullptr, s.shown) << "camera at " << s.distance << " m";
    }
    EXPECT_EQ(probe.events, (std::vector<std::string>{"V created 1", "V destroyed 1", "V created 1", "V destroyed 1"}));

    host.visuals().setAutomatic(false);
    host.cameraPos = at;
    host.step(0.01);
    EXPECT_EQ(host.visuals().count(), 0u) << "no automatic visuals when switched off";
}

TEST_F(VisualsTest, RangeFollowsSizeAndVisibilityLimit)
{
    struct Case {
        double size, limit, range;
    };
    const Case cases[] = {
        {60111.12, 0.05, 1202222.4},  // the tether
        {2.0, 0.0, 2000.0},           // no limit set: the host's 1e-3
        {-1.0, 0.01, 0.0},
    };
    for (const Case& c : cases) {
        sim::VesselRecord record("r", "R");
        record.size = c.size;
        record.visibilityLimit = c.limit;
        EXPECT_NEAR(sim::Visuals::visualRange(record), c.range, 1e-6) << c.size << " / " << c.limit;
    }
}

TEST_F(VisualsTest, UnreadableMeshesAreWarningsAndLeaveHoles)
{
    tree.write("Meshes/bad.msh", "MSHX1\nGROUPS 1\nMATERIAL 1\nGEOM 3 1\n0 0\n");
    tree.write("escape.msh", kBoxMesh);  // what "../escape" would reach
    sim::VesselRecord& v = make("V", {"bad", "box", "missing", "../escape"});
    const auto& w = host.warnings();
    ASSERT_EQ(w.size(), 3u);
    EXPECT_NE(w[0].find("bad.msh:5: a vertex line holds 3, 5, 6 or 8 numbers"), std::string::npos) << w[0];
    EXPECT_NE(w[1].find("missing.msh: cannot open the mesh file"), std::string::npos) << w[1];
    EXPECT_NE(w[2].find("mesh name '../escape' does not name a file below this folder"), std::string::npos) << w[2];

    ASSERT_TRUE(host.visuals().create(v));
    EXPECT_EQ(v.iface->GetMesh(probe.lastVisual, 0), nullptr);
    EXPECT_NE(v.iface->GetMesh(probe.lastVisual, 1), nullptr);
    EXPECT_EQ(v.iface->GetMesh(probe.lastVisual, 2), nullptr);
    EXPECT_EQ(v.iface->GetMesh(probe.lastVisual, 3), nullptr);

    make("W", {"bad", "missing"});
    EXPECT_EQ(host.warnings().size(), 3u) << "each file is reported once";
}

TEST_F(VisualsTest, DestroyingAVesselDestroysItsVisualBeforeTheModuleExits)
{
    sim::VesselRecord& a = make("A", {"box"});
    make("B", {"box"});
    host.visuals().create(a);
    host.destroyVessel(a);
    EXPECT_EQ(probe.events, (std::vector<std::string>{"A created 1", "A destroyed 1", "A exit"}));
    EXPECT_TRUE(probe.meshAtDestroy) << "the module can still restore its materials";
    EXPECT_EQ(host.visuals().count(), 0u);
}
