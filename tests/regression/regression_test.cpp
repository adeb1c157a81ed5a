// Regression against a recorded run: the default scenario, run now, against what it gave
// when tests/data/default-run.json was recorded (veskar-sim --json, the default scenario).
// A change that moves these figures must be understood, and the file re-recorded with it.

#include <fstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/support/program.h"
#include "tests/support/vector_expect.h"

namespace {
VECTOR3 vec(const nlohmann::json& j)
{
    return {j[0].get<double>(), j[1].get<double>(), j[2].get<double>()};
}
}  // namespace

TEST(Regression, DefaultRunMatchesTheRecordedRun)
{
    std::ifstream in(VESKAR_SOURCE_DIR "/tests/data/default-run.json");
    ASSERT_TRUE(in) << "recorded run missing";
    const auto recorded = nlohmann::json::parse(in);
    const ProgramResult run = runProgram("--json", false);
    ASSERT_EQ(run.exitCode, 0);
    const auto now = nlohmann::json::parse(run.output);

    EXPECT_DOUBLE_EQ(now["release"]["time"].get<double>(), recorded["release"]["time"].get<double>());
    EXPECT_NEAR(now["release"]["angle"].get<double>(), recorded["release"]["angle"].get<double>(), 1e-9);
    EXPECT_NEAR(now["release"]["payloadSpeed"].get<double>(), recorded["release"]["payloadSpeed"].get<double>(), 1e-6);
    ASSERT_EQ(now["vessels"].size(), recorded["vessels"].size());
    for (std::size_t i = 0; i < recorded["vessels"].size(); ++i) {
        const auto& r = recorded["vessels"][i];
        const auto& n = now["vessels"][i];
        EXPECT_EQ(n["name"], r["name"]);
        // Positions to a millimetre and velocities to a micrometre per second after 200 s:
        // room for another compiler's rounding, none for a change of behaviour.
        EXPECT_VEC_NEAR(vec(n["pos"]), vec(r["pos"]), 1e-3) << r["name"];
        EXPECT_VEC_NEAR(vec(n["vel"]), vec(r["vel"]), 1e-6) << r["name"];
        EXPECT_DOUBLE_EQ(n["mass"].get<double>(), r["mass"].get<double>());
        EXPECT_NEAR(n["orbit"]["apoapsisAltitude"].get<double>(), r["apoapsisAltitude"].get<double>(), 1e-2);
    }
}
