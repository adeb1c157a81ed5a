// The MSHX1 mesh reader: what it keeps of a well-formed file, and where it reports a
// malformed one.

#include <cstring>
#include <sstream>

#include <gtest/gtest.h>

#include "sim/errors.h"
#include "sim/mesh_file.h"
#include "tests/support/test_tree.h"
#include "tests/support/vector_expect.h"

namespace {

const std::filesystem::path kName = "Meshes/probe.msh";

HostMesh parse(const std::string& text)
{
    std::istringstream in(text);
    return sim::readMesh(in, kName);
}

// Two groups (the second keeps the first's material), two materials, one texture; mixed
// keyword case, Windows line ends and blank lines.
const char* const kGoodMesh =
    "MSHX1\r\n"
    "groups 2\r\n"
    "LABEL front panel\r\n"
    "material 2\r\n"
    "TEXTURE 1\r\n"
    "FLAG 3\r\n"
    "GEOM 3 1\r\n"
    "0 0 0  0 0 -1  0 0\r\n"
    "1 0 0  0 0 -1  1 0\r\n"
    "\r\n"
    "0 1 0  0 0 -1  0 1\r\n"
    "0 2 1\r\n"
    "NONORMAL\r\n"
    "GEOM 4 2\r\n"
    "0 0 5\r\n"
    "1 0 5\r\n"
    "1 1 5\r\n"
    "0 1 5 0.5 0.25\r\n"
    "0 1 2\r\n"
    "0 2 3\r\n"
    "MATERIALS 2\r\n"
    "dull\r\n"
    "shiny\r\n"
    "MATERIAL dull\r\n"
    "0.1 0.2 0.3 1\r\n"
    "0.05 0.1 0.15 1\r\n"
    "0 0 0 1\r\n"
    "0 0 0 1\r\n"
    "Material shiny\r\n"
    "0.9 0.8 0.7 0.5\r\n"
    "0.4 0.4 0.4 1\r\n"
    "1 1 1 1 25.5\r\n"
    "0.01 0.02 0.03 1\r\n"
    "TEXTURES 1\r\n"
    "panel.dds\r\n";

}  // namespace

TEST(MeshFile, KeepsGroupsMaterialsAndTextures)
{
    const HostMesh mesh = parse(kGoodMesh);
    ASSERT_EQ(mesh.groups.size(), 2u);
    const MeshGroup& g0 = mesh.groups[0];
    EXPECT_EQ(g0.label, "front panel");
    EXPECT_EQ(g0.material, 2u);
    EXPECT_EQ(g0.texture, 1u);
    EXPECT_EQ(g0.flags, 3u);
    EXPECT_FALSE(g0.noNormals);
    ASSERT_EQ(g0.vertices.size(), 3u);
    EXPECT_VEC_NEAR(g0.vertices[1].pos, (VECTOR3{1, 0, 0}), 0.0);
    EXPECT_VEC_NEAR(g0.vertices[1].normal, (VECTOR3{0, 0, -1}), 0.0);
    EXPECT_EQ(g0.vertices[2].v, 1.0);
    ASSERT_EQ(g0.triangles.size(), 1u);
    EXPECT_EQ(g0.triangles[0], (std::array<std::uint16_t, 3>{0, 2, 1}));

    const MeshGroup& g1 = mesh.groups[1];
    EXPECT_EQ(g1.material, 2u) << "a group without MATERIAL keeps the previous group's";
    EXPECT_EQ(g1.texture, 0u);
    EXPECT_TRUE(g1.noNormals);
    EXPECT_VEC_NEAR(g1.vertices[0].normal, (VECTOR3{0, 0, 0}), 0.0);
    EXPECT_EQ(g1.vertices[3].u, 0.5);
    EXPECT_EQ(g1.vertices[3].v, 0.25);
    EXPECT_EQ(g1.triangles.size(), 2u);

    EXPECT_EQ(mesh.materialNames, (std::vector<std::string>{"dull", "shiny"}));
    ASSERT_EQ(mesh.materials.size(), 2u);
    EXPECT_EQ(mesh.materials[0].power, 0.0f) << "the specular power defaults to 0";
    const MATERIAL& shiny = mesh.materials[1];
    EXPECT_EQ(shiny.diffuse.r, 0.9f);
    EXPECT_EQ(shiny.diffuse.a, 0.5f);
    EXPECT_EQ(shiny.ambient.g, 0.4f);
    EXPECT_EQ(shiny.specular.b, 1.0f);
    EXPECT_EQ(shiny.power, 25.5f);
    EXPECT_EQ(shiny.emissive.b, 0.03f);
    EXPECT_EQ(mesh.textures, (std::vector<std::string>{"panel.dds"}));
}

TEST(MeshFile, ErrorsNameTheLineAndTheProblem)
{
    // A one-group mesh whose line `n` (from 1) is replaced to make each fault.
    const std::vector<std::string> base{
        "MSHX1", "GROUPS 1", "MATERIAL 1", "GEOM 3 1", "0 0 0", "1 0 0", "0 1 0", "0 1 2", "MATERIALS 1", "m",
        "MATERIAL m", "1 1 1 1", "1 1 1 1", "1 1 1 1 10", "0 0 0 1", "TEXTURES 0"};
    struct Case {
        std::size_t line;         // from 1; past the end appends
        std::string replacement;  // "" removes the line
        int reportedLine;
        const char* problem;
    };
    const Case cases[] = {
        {1, "MSHX2", 1, "the first line must be 'MSHX1'"},
        {2, "GROUPS -1", 2, "the GROUPS count must be a whole number"},
        {2, "GROUPS 2", 9, "unknown keyword 'MATERIALS' in group 2"},
        {3, "MATERIAL x", 3, "MATERIAL must be a whole number"},
        {3, "SHADE 1", 3, "unknown keyword 'SHADE' in group 1"},
        {4, "GEOM 3", 4, "GEOM takes two counts"},
        {4, "GEOM 70000 1", 4, "the GEOM vertex count must be a whole number from 0 to 65536"},
        {6, "1 0", 6, "a vertex line holds 3, 5, 6 or 8 numbers"},
        {6, "1 zero 0", 6, "vertex value 'zero' is not a number"},
        {8, "0 1 3", 8, "triangle corner '3' is not a vertex index from 0 to 2"},
        {8, "0 1", 8, "a triangle line holds 3 vertex indices"},
        {3, "MATERIAL 2", 3, "group 1 uses material 2, but the file has 1"},
        {11, "LAMP m", 11, "expected the block 'MATERIAL m'"},
        {13, "1 1 1", 13, "the ambient colour takes 4 numbers"},
        {14, "1 1 1 1 10 11", 14, "the specular colour takes 4 numbers (r g b a) and an optional specular power"},
        {15, "0 0 1e39 1", 15, "the emissive colour value '1e39' is not a number"},
        {16, "TEXTURES 1", 16, "the file ends where texture name 1 was expected"},
        {17, "extra", 17, "unexpected text after the texture list: 'extra'"},
        {7, "", 8, "a triangle line holds 3 vertex indices, not 2 words"},  // one vertex short
        {3, "TEXTURE 2", 3, "group 1 uses texture 2, but the file has 0"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = base;
        if (c.line > lines.size())
            lines.push_back(c.replacement);
        else if (c.replacement.empty())
            lines.erase(lines.begin() + static_cast<long>(c.line - 1));
        else
            lines[c.line - 1] = c.replacement;
        std::string text;
        for (const auto& l : lines)
            text += l + "\n";
        try {
            parse(text);
            ADD_FAILURE() << "no error for line " << c.line << " = '" << c.replacement << "'";
        } catch (const sim::InputError& e) {
            EXPECT_EQ(e.file(), kName);
            EXPECT_EQ(e.line(), c.reportedLine) << e.what();
            EXPECT_NE(e.problem().find(c.problem), std::string::npos) << e.what();
        }
    }
    EXPECT_NO_THROW(parse([&] {
        std::string text;
        for (const auto& l : base)
            text += l + "\n";
        return text;
    }()));
}

TEST(MeshFile, EmptyOrMissingFileIsReportedWithItsName)
{
    try {
        parse("");
        ADD_FAILURE() << "an empty file was accepted";
    } catch (const sim::InputError& e) {
        EXPECT_EQ(e.line(), 1);
        EXPECT_NE(e.problem().find("the first line must be 'MSHX1'"), std::string::npos);
    }
    testing_support::ScratchTree tree;
    const auto missing = tree.path() / "Meshes" / "absent.msh";
    try {
        sim::readMeshFile(missing);
        ADD_FAILURE() << "a missing file was read";
    } catch (const sim::InputError& e) {
        EXPECT_EQ(e.file(), missing);
        EXPECT_EQ(e.problem(), "cannot open the mesh file");
    }
}

TEST(MeshFile, DemoMeshesCarryTheLampMaterialsWhereTheTetherLooks)
{
    struct Demo {
        const char* name;
        std::size_t minMaterials;
        std::vector<std::size_t> lamps;
    };
    const Demo demos[] = {
        {"qrm-catcher", 19, {16, 17, 18}},
        {"qrm-CableA", 8, {7}},
        {"qrm-Veskar-massesA", 20, {17, 18, 19}},
    };
    for (const Demo& d : demos) {
        const auto mesh = sim::readMeshFile(testing_support::buildTree() / "Meshes" / (std::string(d.name) + ".msh"));
        ASSERT_GE(mesh.materials.size(), d.minMaterials) << d.name;
        EXPECT_GT(mesh.materials.size(), d.lamps.back() + 1) << d.name << ": a material after the lamps";
        for (std::size_t i : d.lamps)
            EXPECT_EQ(mesh.materialNames[i].rfind("lamp_", 0), 0u) << d.name << " material " << i;
        // No two materials alike, so that a test can tell an untouched one from a lamp.
        for (std::size_t i = 0; i < mesh.materials.size(); ++i) {
            for (std::size_t j = i + 1; j < mesh.materials.size(); ++j)
                EXPECT_NE(std::memcmp(&mesh.materials[i], &mesh.materials[j], sizeof(MATERIAL)), 0)
                    << d.name << " materials " << i << " and " << j;
        }
        // Every material is drawn by some group.
        std::vector<bool> used(mesh.materials.size() + 1, false);
        for (const auto& g : mesh.groups)
            used.at(g.material) = true;
        for (std::size_t i = 1; i < used.size(); ++i)
            EXPECT_TRUE(used[i]) << d.name << " material " << i - 1 << " is used by no group";
    }
}
