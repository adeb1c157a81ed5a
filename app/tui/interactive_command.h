// veskar-sim interactive: a scenario run live in the terminal, without its scripted actions.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

namespace app {

struct InteractiveOptions {
    std::string scenario;  // file, or a path below Scenarios/; empty: the default scenario
    double step = 0.1;     // the fixed physics step [s]
    std::string save;      // the file offered for saving on quitting; empty: <scenario>-saved.scn
    bool paused = false;   // start paused
};

// Runs the view until the user quits; then says on `out` where the state was saved.
// Returns the exit code; throws on bad input, before the terminal is taken over.
int runInteractive(const std::filesystem::path& root, const InteractiveOptions& options, std::ostream& out);

}  // namespace app
