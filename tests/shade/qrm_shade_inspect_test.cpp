// `veskar-sim inspect QRM_Shade`: the tank, the thruster with every value and the main group.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/inspect_report.h"
#include "sim/host.h"
#include "tests/shade/shade_expect.h"
#include "tests/support/program.h"
#include "tests/support/test_tree.h"

using json = nlohmann::json;


TEST(ShadeInspect, JsonShowsTheThrusterWithEveryValueAndTheMainGroup)
{
    using namespace shade_values;
    const auto [code, output] = runProgram("inspect QRM_Shade --json", false);
    ASSERT_EQ(code, 0) << output;
    const json j = json::parse(output);
    EXPECT_EQ(j["className"], "QRM_Shade");
    EXPECT_EQ(j["module"], "QRM_Shade.so");
    EXPECT_EQ(j["emptyMass"], kEmptyMass);
    EXPECT_EQ(j["mass"], kEmptyMass + kTank);
    EXPECT_EQ(j["size"], kSize);
    EXPECT_EQ(j["pmi"], json::array({1.0, 1.0, 1.0}));
    EXPECT_EQ(j["camera"]["offset"], json::array({0.0, 0.0, 0.0}));
    EXPECT_EQ(j["propellants"], json::parse(R"([{"index": 0, "maxMass": 500.0, "mass": 500.0,
                                                 "efficiency": 1.0, "default": true}])"));
    EXPECT_EQ(j["meshes"], json::array());
    EXPECT_EQ(j["docks"], json::array());
    EXPECT_EQ(j["beacons"], json::array());

    ASSERT_EQ(j["thrusters"].size(), 1u);
    const json& th = j["thrusters"][0];
    EXPECT_EQ(th["pos"], json::array({0.0, 0.0, -4.35}));
    EXPECT_EQ(th["dir"], json::array({0.0, 0.0, 1.0}));
    EXPECT_EQ(th["maxThrust"], kMaxThrust);
    EXPECT_EQ(th["propellant"], 0);
    EXPECT_EQ(th["isp"], kIspVacuum);
    EXPECT_EQ(th["ispRef"], kIspRef);
    EXPECT_EQ(th["pRef"], kPRef);
    EXPECT_EQ(th["level"], 0.0);

    EXPECT_EQ(j["thrusterGroups"], json::parse(R"([{"type": 0, "thrusters": [0], "level": 0.0}])"));
}

TEST(ShadeInspect, ReportShowsTheLevelGivenToTheMainGroup)
{
    sim::Host host(testing_support::buildTree());
    sim::VesselRecord& v = host.createVessel("Shade", "QRM_Shade");
    v.iface->SetThrusterGroupLevel(THGROUP_MAIN, 0.625);
    const auto j = app::describeVessel(v);
    EXPECT_EQ(j["thrusterGroups"][0]["level"], 0.625);
    EXPECT_EQ(j["thrusters"][0]["level"], 0.625);
}
