// The tether's lamp materials in the host's live meshes: captured and lit with the
// visual, switched by the L key, written back when the visual goes; every other material
// left as the mesh file has it.

#include <cstring>

#include "host/keys.h"
#include "tests/veskar/veskar_fixture.h"

namespace {

struct Lamp {
    std::size_t segment;
    std::size_t material;
    COLOUR4 colour;
};
constexpr COLOUR4 kWhite{1, 1, 1, 1}, kRed{1, 0, 0, 1}, kGreen{0, 1, 0, 1};
const Lamp kLamps[8] = {
    {0, 16, kWhite}, {0, 17, kRed}, {0, 18, kGreen}, {1, 7, kWhite},
    {2, 7, kWhite},  {3, 17, kWhite}, {3, 18, kRed}, {3, 19, kGreen},
};

bool same(const MATERIAL& a, const MATERIAL& b)
{
    return std::memcmp(&a, &b, sizeof(MATERIAL)) == 0;
}
bool same(const COLOUR4& a, const COLOUR4& b)
{
    return std::memcmp(&a, &b, sizeof(COLOUR4)) == 0;
}
bool isLamp(std::size_t segment, std::size_t material)
{
    return std::any_of(std::begin(kLamps), std::end(kLamps),
                       [&](const Lamp& l) { return l.segment == segment && l.material == material; });
}

}  // namespace

class MaterialsTest : public VeskarTest {
protected:
    MaterialsTest() { host.visuals().setAutomatic(false); }  // the tests create visuals themselves

    HostVisual* visual() { return host.visuals().visualOf(*record); }
    const HostMesh& fileMesh(std::size_t segment) { return *host.visuals().meshTemplate(record->meshes[segment].name); }
    const MATERIAL& live(std::size_t segment, std::size_t material)
    {
        return visual()->meshes.at(segment)->materials.at(material);
    }
    // True when every lamp shows its colour (all four colours) with the file's power.
    bool lampsLit()
    {
        return std::all_of(std::begin(kLamps), std::end(kLamps), [&](const Lamp& l) {
            const MATERIAL& m = live(l.segment, l.material);
            return same(m.diffuse, l.colour) && same(m.ambient, l.colour) && same(m.specular, l.colour) &&
                   same(m.emissive, l.colour) && m.power == fileMesh(l.segment).materials[l.material].power;
        });
    }
    // Number of materials of the visual's meshes that differ from the file; with
    // `lampsToo` false the lamps are not counted.
    int changed(bool lampsToo)
    {
        int n = 0;
        for (std::size_t s = 0; s < 4; ++s) {
            const auto& mats = visual()->meshes.at(s)->materials;
            for (std::size_t k = 0; k < mats.size(); ++k) {
                if ((lampsToo || !isLamp(s, k)) && !same(mats[k], fileMesh(s).materials[k]))
                    ++n;
            }
        }
        return n;
    }
    std::size_t swaps(std::size_t s) const { return segment(s).materials.swapList().size(); }
};

TEST_F(MaterialsTest, CaptureAsksForTheEightLampsOfEachSegmentsOwnMesh)
{
    host.journal().clear();
    ASSERT_TRUE(host.visuals().create(*record));
    std::vector<std::string> seen;
    for (const auto& e : host.journal().entries()) {
        if (e.op == "GetMesh")
            seen.push_back("mesh " + std::to_string(static_cast<int>(e.args[0])));
        else if (e.op == "oapiMeshMaterial")
            seen.push_back(e.text + " " + std::to_string(static_cast<int>(e.args[0])));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"mesh 0", "qrm-catcher 16", "qrm-catcher 17", "qrm-catcher 18",
                                              "mesh 1", "qrm-CableA 7", "mesh 2", "qrm-CableA 7", "mesh 3",
                                              "qrm-Veskar-massesA 17", "qrm-Veskar-massesA 18",
                                              "qrm-Veskar-massesA 19"}));
    // The two cable pieces name one file but each has its own mesh in the visual.
    EXPECT_EQ(segment(1).materials.swapList().at(0)->target, &visual()->meshes[1]->materials[7]);
    EXPECT_EQ(segment(2).materials.swapList().at(0)->target, &visual()->meshes[2]->materials[7]);
}

TEST_F(MaterialsTest, LampsGlowWhileTheVisualExistsAndNothingElseChanges)
{
    ASSERT_TRUE(host.visuals().create(*record));
    EXPECT_TRUE(lampsLit());
    EXPECT_EQ(changed(false), 0);
    // The catcher's red lamp: every colour (1, 0, 0, 1), the power the file gives (41).
    const MATERIAL& red = live(0, 17);
    EXPECT_TRUE(same(red.diffuse, kRed) && same(red.emissive, kRed));
    EXPECT_EQ(red.power, 41.0f);
}

TEST_F(MaterialsTest, LightKeyRestoresBitForBitAndRelightsTheSame)
{
    ASSERT_TRUE(host.visuals().create(*record));
    host.journal().clear();
    host.pressKey(*record, OAPI_KEY_L);  // off
    EXPECT_EQ(changed(true), 0) << "every material as the file has it";
    host.pressKey(*record, OAPI_KEY_L);  // on
    EXPECT_TRUE(lampsLit());
    EXPECT_EQ(host.journal().ops(), (std::vector<std::string>{"Playback", "Playback"})) << "no host call but the replay query";

    const std::vector<MATERIAL> once = visual()->meshes[0]->materials;
    vessel->assembly().setLights(1);
    vessel->assembly().setLights(1);
    EXPECT_EQ(std::memcmp(once.data(), visual()->meshes[0]->materials.data(), once.size() * sizeof(MATERIAL)), 0);
    EXPECT_EQ(changed(false), 0);
}

TEST_F(MaterialsTest, VisualDestroyedWritesTheFilesMaterialsBackThenDropsTheRecords)
{
    ASSERT_TRUE(host.visuals().create(*record));
    host.journal().clear();
    record->callbacks()->clbkVisualDestroyed(visual(), 1);  // as the host calls it, meshes still in place
    EXPECT_EQ(changed(true), 0);
    for (std::size_t s = 0; s < 4; ++s)
        EXPECT_EQ(swaps(s), 0u) << "segment " << s;
    EXPECT_TRUE(host.journal().entries().empty()) << "the destroyed pass makes no host call";
    host.visuals().destroy(*record);
}

TEST_F(MaterialsTest, LightKeyWithoutAVisualTouchesNoMaterial)
{
    host.pressKey(*record, OAPI_KEY_L);
    host.pressKey(*record, OAPI_KEY_L);
    ASSERT_TRUE(host.visuals().create(*record));
    ASSERT_TRUE(host.visuals().destroy(*record));
    host.pressKey(*record, OAPI_KEY_L);  // after the visual went: no records left to write through
    for (std::size_t s = 0; s < 4; ++s)
        EXPECT_EQ(swaps(s), 0u);
    // The templates stayed as the file has them: a fresh visual shows them.
    ASSERT_TRUE(host.visuals().create(*record));
    EXPECT_EQ(changed(false), 0);
}

TEST_F(MaterialsTest, LightsOffThenTheVisualRecreated)
{
    ASSERT_TRUE(host.visuals().create(*record));
    host.pressKey(*record, OAPI_KEY_L);
    ASSERT_EQ(vessel->lights(), 0);
    ASSERT_TRUE(host.visuals().destroy(*record));
    ASSERT_TRUE(host.visuals().create(*record));
    EXPECT_TRUE(lampsLit()) << "a new visual starts lit";
    EXPECT_EQ(vessel->lights(), 0) << "and leaves the flag alone";

    host.pressKey(*record, OAPI_KEY_L);  // flag on: nothing visible changes
    EXPECT_EQ(vessel->lights(), 1);
    EXPECT_TRUE(lampsLit());
    EXPECT_TRUE(record->beacons[0]->active);

    host.pressKey(*record, OAPI_KEY_L);  // the press after puts the lights out
    EXPECT_EQ(changed(true), 0);
    EXPECT_FALSE(record->beacons[0]->active);
}

namespace {

// A one-group mesh with `n` materials of distinct colours.
std::string meshWithMaterials(int n)
{
    std::string text = "MSHX1\nGROUPS 1\nMATERIAL 1\nGEOM 3 1\n0 0 0\n1 0 0\n0 1 0\n0 1 2\nMATERIALS " +
                       std::to_string(n) + "\n";
    for (int i = 0; i < n; ++i)
        text += "m" + std::to_string(i) + "\n";
    for (int i = 0; i < n; ++i) {
        const std::string c = std::to_string(0.01 * i);
        text += "MATERIAL m" + std::to_string(i) + "\n" + c + " 0.5 0.5 1\n0.2 0.2 0.2 1\n0 0 0 1 " +
                std::to_string(i) + "\n0 0 0 1\n";
    }
    return text + "TEXTURES 0\n";
}

}  // namespace

TEST(MaterialsShortMeshes, MissingRowsAreSkippedAndNothingBreaks)
{
    testing_support::ScratchTree tree;
    tree.write("Meshes/qrm-catcher.msh", meshWithMaterials(17));  // holds 16, not 17 or 18
    tree.write("Meshes/qrm-Veskar-massesA.msh", "MSHX1\nGROUPS x\n");  // malformed
    // qrm-CableA.msh is missing.
    sim::Host host(tree.path());
    host.visuals().setAutomatic(false);
    sim::VesselRecord& r = host.createVessel("Tether", "Veskar", {&ovcInit, &ovcExit});
    auto* tether = static_cast<Veskar*>(r.iface);
    ASSERT_EQ(host.warnings().size(), 2u) << "one per unreadable file";
    EXPECT_NE(host.warnings()[0].find("qrm-CableA.msh: cannot open the mesh file"), std::string::npos);
    EXPECT_NE(host.warnings()[1].find("qrm-Veskar-massesA.msh:2: the GROUPS count"), std::string::npos);

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(host.visuals().create(r));
        const auto& segments = tether->assembly().segmentList();
        EXPECT_EQ(segments[0]->materials.swapList().size(), 1u);
        EXPECT_EQ(segments[1]->materials.swapList().size(), 0u);
        EXPECT_EQ(segments[3]->materials.swapList().size(), 0u);
        const MATERIAL& lamp = host.visuals().visualOf(r)->meshes[0]->materials[16];
        EXPECT_EQ(lamp.emissive.r, 1.0f);
        host.pressKey(r, OAPI_KEY_L);
        EXPECT_EQ(lamp.emissive.r, 0.0f);
        host.pressKey(r, OAPI_KEY_L);
        EXPECT_TRUE(r.beacons[5]->active);
        ASSERT_TRUE(host.visuals().destroy(r));
    }
}
