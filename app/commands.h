// The program's commands.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace app {

struct InspectOptions {
    std::string className;
    bool json = false;
};

struct RunCommandOptions {
    std::string scenario;  // file, or a path below Scenarios/; empty: the default scenario
    double step = 0.1;     // [s]
    double until = -1.0;   // [s]; below 0: the scenario's own end
    std::string save, csv, plot;
    bool json = false;
    bool progress = true;  // a progress line on a terminal
};

// The bundled default scenario of the installation at `root`.
std::filesystem::path defaultScenario(const std::filesystem::path& root);

// Runs a scenario and prints its report (text or JSON); writes the saved state, tracks and
// plot when asked. Returns the exit code; throws on bad input.
int runScenario(const std::filesystem::path& root, const RunCommandOptions& options, std::ostream& out);

// Creates one vessel of the class in an empty host and prints what it declared.
// Returns the exit code; throws on bad input.
int runInspect(const std::filesystem::path& root, const InspectOptions& options, std::ostream& out);

}  // namespace app
