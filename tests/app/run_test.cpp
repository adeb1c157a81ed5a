// Scenario runs end to end, with the real modules and plug-in of the build tree: the
// default payload release, saving and reloading, every action kind, and bad scenarios.

#include <cmath>
#include <fstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/commands.h"
#include "app/payload_angle.h"
#include "sim/errors.h"
#include "sim/earth.h"
#include "sim/orbit.h"
#include "sim/scenario_run.h"
#include "tests/support/program.h"
#include "tests/support/test_tree.h"
#include "tests/support/vector_expect.h"

using testing_support::buildTree;

namespace {

sim::Scenario defaultScenario()
{
    return sim::readScenario(app::defaultScenario(buildTree()));
}

const sim::HostEvent* findEvent(const sim::Host& host, const std::string& kind)
{
    for (const auto& e : host.events().all()) {
        if (e.kind == kind)
            return &e;
    }
    return nullptr;
}

}  // namespace

TEST(DefaultRun, ReleasesInTheStepBeforeTheAngleFallsThroughZero)
{
    sim::ScenarioRun run(buildTree(), defaultScenario());
    const double dt = 0.1;
    std::vector<std::pair<double, double>> angles;  // (time, angle) at the start of each step
    const app::TetherView view = app::findTether(run.host());
    ASSERT_NE(view.tether, nullptr);
    run.run({dt, -1.0}, [&](double t) { angles.emplace_back(t, app::currentPayloadAngle(view)); });

    const sim::HostEvent* release = findEvent(run.host(), "undock");
    ASSERT_NE(release, nullptr);
    EXPECT_EQ(release->vessel, "Veskar1");
    EXPECT_EQ(release->port, 4);
    // The angle the step started with: positive, and less than one step's turn relative to
    // the local vertical, (w - n) dt = (0.015 - 7672.6 / 6771000) * 0.1 = 0.00139 rad.
    const double angle = app::payloadAngle(release->vesselPos, release->vesselVel, release->portPos,
                                           release->superstructureCg);
    EXPECT_GT(angle, 0.0);
    EXPECT_LT(angle, (0.015 - 7672.6 / 6771000.0) * dt * 1.01);
    // And the step before had a larger angle: the swing was falling towards zero.
    const auto before = std::find_if(angles.begin(), angles.end(),
                                     [&](const auto& a) { return std::abs(a.first - (release->time - dt)) < 1e-9; });
    ASSERT_NE(before, angles.end());
    EXPECT_GT(before->second, angle);
    EXPECT_LT(2 * angle - before->second, 0.0);  // the plug-in's one-step extrapolation

    const sim::VesselRecord& tether = *run.host().findVessel("Veskar1");
    const sim::VesselRecord& payload = *run.host().findVessel("Canister");
    const auto tetherOrbit = sim::orbitOf(tether.state.pos, tether.state.vel);
    const auto payloadOrbit = sim::orbitOf(payload.state.pos, payload.state.vel);
    EXPECT_GT(payloadOrbit.apoapsis, tetherOrbit.apoapsis + 5000e3);
    EXPECT_LT(tetherOrbit.periapsis, sim::earth::radius + 400e3);  // the throw lowered the tether
    EXPECT_EQ(tether.docks[4]->mate, nullptr);
}

TEST(DefaultRun, SavedAndReloadedRunMatchesTheStraightRun)
{
    sim::ScenarioRun straight(buildTree(), defaultScenario());
    straight.run({0.1, 200.0});

    sim::ScenarioRun first(buildTree(), defaultScenario());
    first.run({0.1, 100.0});
    const std::string saved = sim::formatScenario(first.saved());
    sim::ScenarioRun second(buildTree(), sim::parseScenario(saved, "saved.scn"));
    second.run({0.1, -1.0});  // the saved "end" is relative: 100 s more
    ASSERT_NEAR(second.host().simTime(), 100.0, 1e-9);

    for (const char* name : {"Veskar1", "Canister"}) {
        const sim::VesselRecord& a = *straight.host().findVessel(name);
        const sim::VesselRecord& b = *second.host().findVessel(name);
        EXPECT_VEC_NEAR(b.state.pos, a.state.pos, 1e-3) << name;
        EXPECT_VEC_NEAR(b.state.vel, a.state.vel, 1e-6) << name;
        EXPECT_DOUBLE_EQ(b.mass(), a.mass());
    }
}

TEST(ActionKinds, EachDoesWhatItSays)
{
    testing_support::ScratchTree tree;
    std::string text = sim::formatScenario(defaultScenario());
    text = text.substr(0, text.find("BEGIN_ACTIONS"));
    text.insert(text.find("END_SHIPS"), "  Shade1:QRM_Shade\n  RPOS 6771000 50000 0\n  RVEL 0 7672.6 0\n  END\n");
    text += "BEGIN_ACTIONS\n"
            "  1 command \"Veskar Payload Release\"\n"
            "  2 click 1\n"        // arms
            "  3 enter\n"          // the default button again: disarms
            "  4 esc\n"            // closes
            "  5 key L\n"
            "  6 thrust Shade1 main 0.5\n"
            "  7 vc 0\n"
            "  8 vc down\n"
            "  9 camera place 1 2 3\n"
            "  10 focus Shade1\n"
            "  11 camera follow 0 0 100\n"
            "  12 visual Veskar1 create\n"
            "END_ACTIONS\n";
    sim::ScenarioRun run(buildTree(), sim::parseScenario(text, tree.write("a.scn", text)));
    sim::Host& h = run.host();
    sim::VesselRecord& tether = *h.findVessel("Veskar1");
    const auto button = [&] {
        const auto open = h.dialogs().openDialogs();
        return open.empty() ? std::string("(closed)") : h.dialogs().text(GetDlgItem(open.back(), 1));
    };
    const auto at = [&](double t) { run.run({0.1, t + 0.05}); };

    at(1);
    EXPECT_EQ(button(), "Arm Payload Release");
    at(2);
    EXPECT_EQ(button(), "Disarm Payload Release");
    at(3);
    EXPECT_EQ(button(), "Arm Payload Release");
    at(4);
    EXPECT_EQ(button(), "(closed)");
    const bool litBefore = tether.beacons.front()->active;
    at(5);
    EXPECT_NE(tether.beacons.front()->active, litBefore);
    at(6);
    EXPECT_DOUBLE_EQ(h.findVessel("Shade1")->iface->GetThrusterGroupLevel(THGROUP_MAIN), 0.5);
    at(7);
    EXPECT_EQ(h.vcStation(), 0);
    at(8);
    EXPECT_EQ(h.vcStation(), 1);
    at(9);
    EXPECT_FALSE(h.cameraFollows());
    EXPECT_VEC_NEAR(h.cameraPos, (VECTOR3{1, 2, 3}), 0.0);
    at(10);
    EXPECT_EQ(h.focus, h.findVessel("Shade1"));
    at(11);
    EXPECT_VEC_NEAR(h.cameraPos, h.focus->state.pos + VECTOR3{0, 0, 100}, 1e-6);
    h.visuals().setAutomatic(false);
    at(12);
    EXPECT_NE(h.visuals().visualOf(tether), nullptr);
    EXPECT_TRUE(run.pending().empty());
}

TEST(BadScenarios, FailBeforeTheFirstStepNamingFileAndLine)
{
    testing_support::ScratchTree tree;
    const std::string good = sim::formatScenario(defaultScenario());
    const auto withChange = [&](const std::string& from, const std::string& to) {
        std::string t = good;
        t.replace(t.find(from), from.size(), to);
        return tree.write("bad.scn", t);
    };
    const struct {
        std::string from, to, problem;
    } cases[] = {
        {"command \"Veskar Payload Release\"", "command \"Nothing Like It\"", "no custom command 'Nothing Like It'"},
        {"Canister:Payload", "Canister:NoSuchClass", "no configuration for vessel class 'NoSuchClass'"},
        {"DOCKINFO 0:4,Veskar1", "DOCKINFO 3:4,Veskar1", "'Canister' has no docking port 3"},
    };
    for (const auto& c : cases) {
        auto file = withChange(c.from, c.to);
        if (c.to == "DOCKINFO 3:4,Veskar1")  // both sides must name the port, or the reader objects first
            file = tree.write("bad.scn", [&] {
                std::string t = good;
                t.replace(t.find(c.from), c.from.size(), c.to);
                t.replace(t.find("DOCKINFO 4:0,Canister"), 21, "DOCKINFO 4:3,Canister");
                return t;
            }());
        try {
            sim::ScenarioRun run(buildTree(), sim::readScenario(file));
            ADD_FAILURE() << "no error for " << c.to;
        } catch (const sim::InputError& e) {
            EXPECT_EQ(e.file(), file);
            EXPECT_GT(e.line(), 0) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.problem), std::string::npos) << e.what();
        }
    }
}

TEST(Program, DefaultRunAsJsonAndErrors)
{
    const ProgramResult json = runProgram("--json");
    ASSERT_EQ(json.exitCode, 0) << json.output;
    const auto j = nlohmann::json::parse(json.output);
    const auto release = std::find_if(j["events"].begin(), j["events"].end(),
                                      [](const auto& e) { return e["kind"] == "release"; });
    ASSERT_NE(release, j["events"].end());
    EXPECT_GT((*release)["angle"].get<double>(), 0.0);
    EXPECT_LT((*release)["angle"].get<double>(), 0.0015);
    EXPECT_EQ(j["vessels"].size(), 2u);
    EXPECT_TRUE(j["vessels"][1]["orbit"].contains("apoapsisAltitude"));

    const ProgramResult missing = runProgram("run /nonexistent.scn");
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.output.find("/nonexistent.scn: cannot read the scenario"), std::string::npos) << missing.output;
    EXPECT_NE(runProgram("run Veskar/payload-release.scn --step -1").exitCode, 0);
}

TEST(Program, WritesTracksAndSaysWhenThePlotCannotBeDrawn)
{
    testing_support::ScratchTree tree;
    const auto csv = tree.path() / "tracks.csv";
    const ProgramResult ok = runProgram("run QRM/shade-burn.scn --csv " + csv.string());
    ASSERT_EQ(ok.exitCode, 0) << ok.output;
    std::ifstream in(csv);
    std::string header, first;
    std::getline(in, header);
    std::getline(in, first);
    EXPECT_EQ(header, "vessel,time,x,y,z,vx,vy,vz,mass,altitude");
    EXPECT_EQ(first.rfind("Shade1,0,6771000,", 0), 0u) << first;

    // Without gnuplot on the path: a clear error and a non-zero exit, not a crash.
    const ProgramResult noPlot =
        runProgramWithEnv("PATH=/nonexistent", "run QRM/shade-burn.scn --plot " + (tree.path() / "p.png").string());
    EXPECT_NE(noPlot.exitCode, 0);
    EXPECT_NE(noPlot.output.find("--plot needs gnuplot"), std::string::npos) << noPlot.output;
}
