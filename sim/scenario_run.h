// A run of a scenario: a host set up from it, its plug-ins started, its actions carried
// out at their times, stepped at a fixed step to an end time.
#pragma once

#include <functional>
#include <memory>

#include "sim/host.h"
#include "sim/scenario.h"

namespace sim {

struct RunOptions {
    double step = 0.1;    // [s]
    double until = -1.0;  // end time [s]; below 0: the scenario's "end" action, else 600 s
};

class ScenarioRun {
public:
    // Sets everything up and checks every action against the host (vessels, commands),
    // so that a bad scenario fails before the first step. Throws InputError.
    ScenarioRun(const std::filesystem::path& root, Scenario scenario, HostOptions options = {});

    // The end time the options and the scenario give [s].
    double endTime(const RunOptions& options) const;
    // Steps to the end time; `progress` is called after every step with the time.
    void run(const RunOptions& options, const std::function<void(double)>& progress = {});

    Host& host() { return *host_; }
    const Scenario& scenario() const { return scenario_; }
    // The actions not yet carried out.
    std::vector<ScenarioAction> pending() const;
    // The scenario of the state now, with the pending actions, for saving.
    Scenario saved();

private:
    void runDueActions();
    void noteDebugLine();

    Scenario scenario_;
    std::unique_ptr<Host> host_;
    std::size_t nextAction_ = 0;
    std::string lastDebugLine_;
};

}  // namespace sim
