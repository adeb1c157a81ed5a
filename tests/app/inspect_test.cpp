// `veskar-sim inspect`: what the program shows of a class, in process and as a program.

#include <array>
#include <cstdio>
#include <sstream>
#include <sys/wait.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/commands.h"
#include "tests/support/program.h"
#include "tests/support/test_tree.h"


TEST(Inspect, JsonShowsWhatTheTablesGive)
{
    std::ostringstream out;
    ASSERT_EQ(app::runInspect(testing_support::buildTree(), {"Veskar", true}, out), 0);
    const auto j = nlohmann::json::parse(out.str());
    EXPECT_NEAR(j["emptyMass"].get<double>(), 276446.47, 1e-6);
    EXPECT_EQ(j["propellants"].size(), 1u);
    EXPECT_EQ(j["propellants"][0]["maxMass"], 20000.0);
    EXPECT_EQ(j["meshes"].size(), 4u);
    EXPECT_EQ(j["meshes"][3]["name"], "qrm-Veskar-massesA");
    EXPECT_EQ(j["meshes"][3]["visibilityMode"], 3);
    EXPECT_EQ(j["docks"].size(), 5u);
    EXPECT_EQ(j["docks"][4]["dir"], nlohmann::json::array({0.0, 0.0, -1.0}));
    EXPECT_EQ(j["docks"][4]["occupied"], false);
    EXPECT_EQ(j["beacons"].size(), 22u);
    EXPECT_EQ(j["beacons"][0]["shape"], 2);
    EXPECT_DOUBLE_EQ(j["clipRadius"].get<double>(), 91190.15254861524);
    EXPECT_EQ(j["visibilityLimit"], 0.05);
    EXPECT_TRUE(j["pmi"].is_array());
    EXPECT_TRUE(j.contains("camera"));
}

TEST(Inspect, TextAndJsonFromTheProgram)
{
    const ProgramResult text = runProgram("inspect Veskar");
    EXPECT_EQ(text.exitCode, 0) << text.output;
    EXPECT_NE(text.output.find("emptyMass: 276446.47"), std::string::npos) << text.output;
    EXPECT_NE(text.output.find("qrm-catcher"), std::string::npos);

    const ProgramResult json = runProgram("inspect Veskar --json");
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(nlohmann::json::parse(json.output)["className"], "Veskar");
}

TEST(Inspect, BadInputExitsNonZeroWithTheFileNamed)
{
    const ProgramResult unknown = runProgram("inspect NoSuchClass");
    EXPECT_NE(unknown.exitCode, 0);
    EXPECT_NE(unknown.output.find("NoSuchClass.cfg: no configuration for vessel class 'NoSuchClass'"),
              std::string::npos)
        << unknown.output;
    const ProgramResult noArg = runProgram("inspect");
    EXPECT_NE(noArg.exitCode, 0);
    const ProgramResult badFlag = runProgram("inspect Veskar --frobnicate");
    EXPECT_NE(badFlag.exitCode, 0);
}
