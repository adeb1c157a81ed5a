// The class configuration reader.

#include <gtest/gtest.h>

#include "sim/class_config.h"
#include "sim/errors.h"
#include "tests/support/test_tree.h"
#include "tests/support/vector_expect.h"

using testing_support::ScratchTree;

TEST(ClassConfig, KeysCommentsFirstOccurrenceAndDockList)
{
    ScratchTree tree;
    const auto file = tree.write("Config/Vessels/Box.cfg",
                                 "; a payload\n"
                                 "classname = Box   ; trailing comment\n"
                                 "MASS = 1500\n"
                                 "Mass = 99\n"
                                 "Inertia = 1 2 3\n"
                                 "BEGIN_DOCKLIST\n"
                                 "  0 0 1.5   0 0 1   0 1 0\n"
                                 "END_DOCKLIST\n");
    const sim::ClassConfig cfg = sim::readClassConfig(file);
    EXPECT_EQ(cfg.className(), "Box");
    EXPECT_EQ(cfg.number("mass"), 1500.0);  // the first occurrence wins, any case
    EXPECT_VEC_NEAR(*cfg.vector("INERTIA"), (VECTOR3{1, 2, 3}), 0.0);
    EXPECT_FALSE(cfg.module());
    ASSERT_EQ(cfg.docks.size(), 1u);
    EXPECT_VEC_NEAR(cfg.docks[0].pos, (VECTOR3{0, 0, 1.5}), 0.0);
    EXPECT_VEC_NEAR(cfg.docks[0].rot, (VECTOR3{0, 1, 0}), 0.0);
    EXPECT_EQ(sim::findClassConfig(tree.path(), "Box"), file);
}

TEST(ClassConfig, BadInputNamesFileLineAndProblem)
{
    struct Case {
        const char* text;
        int line;
        const char* problem;
    } cases[] = {
        {"ClassName = X\nno equals sign here\n", 2, "expected 'Key = Value'"},
        {"= 5\n", 1, "no key"},
        {"BEGIN_DOCKLIST\n0 0 0 0 0 1\nEND_DOCKLIST\n", 2, "nine numbers"},
        {"BEGIN_DOCKLIST\n0 0 0 0 0 1 0 1 0\n", 2, "without END_DOCKLIST"},
    };
    for (const Case& c : cases) {
        ScratchTree tree;
        const auto file = tree.write("X.cfg", c.text);
        try {
            sim::readClassConfig(file);
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const sim::InputError& e) {
            EXPECT_EQ(e.file(), file);
            EXPECT_EQ(e.line(), c.line) << c.text;
            EXPECT_NE(std::string(e.what()).find(c.problem), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(file.string() + ":" + std::to_string(c.line)), std::string::npos);
        }
    }
}

TEST(ClassConfig, MalformedNumbersAreReportedWhenRead)
{
    ScratchTree tree;
    const auto file = tree.write("X.cfg", "Mass = 12kg\nInertia = 1 2\n");
    const sim::ClassConfig cfg = sim::readClassConfig(file);
    EXPECT_THROW(
        {
            try {
                cfg.number("Mass");
            } catch (const sim::InputError& e) {
                EXPECT_EQ(e.line(), 1);
                throw;
            }
        },
        sim::InputError);
    EXPECT_THROW(cfg.vector("Inertia"), sim::InputError);
}

TEST(ClassConfig, MissingFilesAndUnsafeNames)
{
    ScratchTree tree;
    EXPECT_THROW(sim::readClassConfig(tree.path() / "none.cfg"), sim::InputError);
    EXPECT_THROW(sim::findClassConfig(tree.path(), "Nothing"), sim::InputError);
    tree.write("secret.cfg", "Mass = 1\n");
    tree.write("Config/Vessels/x", "");
    EXPECT_THROW(sim::findClassConfig(tree.path() / "Config", "../../secret"), sim::InputError);
    EXPECT_THROW(sim::findClassConfig(tree.path(), "/etc/passwd"), sim::InputError);
}
