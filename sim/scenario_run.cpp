#include "sim/scenario_run.h"

#include <cmath>

#include "sim/errors.h"
#include "sim/scenario_actions.h"
#include "sim/scenario_state.h"

namespace sim {

namespace {
constexpr double kDefaultRunTime = 600.0;  // [s], when neither option nor scenario says
constexpr double kTimeSlack = 1e-9;        // [s], for comparing step sums with action times
}  // namespace

ScenarioRun::ScenarioRun(const std::filesystem::path& root, Scenario scenario, HostOptions options)
    : scenario_(std::move(scenario))
{
    options.startMjd = scenario_.mjd;
    host_ = std::make_unique<Host>(root, options);
    loadScenario(*host_, scenario_);
    host_->plugins().start();
    for (const ScenarioAction& a : scenario_.actions) {
        if (const std::string problem = checkActionTarget(*host_, a); !problem.empty())
            throw InputError(scenario_.file, a.line, problem);
    }
}

double ScenarioRun::endTime(const RunOptions& options) const
{
    if (options.until >= 0.0)
        return options.until;
    for (const ScenarioAction& a : scenario_.actions) {
        if (a.kind == "end")
            return a.time;
    }
    return kDefaultRunTime;
}

void ScenarioRun::run(const RunOptions& options, const std::function<void(double)>& progress)
{
    if (!(options.step > 0.0))
        throw std::invalid_argument("the step must be positive");
    const double end = endTime(options);
    // Steps are counted, not summed, so that a run and its saved continuation meet the
    // same step times.
    const double start = host_->simTime();
    const auto steps = static_cast<long>(std::ceil((end - start) / options.step - kTimeSlack));
    for (long i = 0; i < steps; ++i) {
        runDueActions();
        const double dt = std::min(options.step, end - host_->simTime());
        host_->step(dt);
        noteDebugLine();
        if (progress)
            progress(host_->simTime());
    }
    runDueActions();
}

void ScenarioRun::runDueActions()
{
    while (nextAction_ < scenario_.actions.size() &&
           scenario_.actions[nextAction_].time <= host_->simTime() + kTimeSlack) {
        const ScenarioAction& a = scenario_.actions[nextAction_++];
        if (a.kind != "end")
            runAction(*host_, a, scenario_.file);
        noteDebugLine();
    }
}

void ScenarioRun::noteDebugLine()
{
    const std::string now = host_->debugString();
    if (now == lastDebugLine_)
        return;
    lastDebugLine_ = now;
    HostEvent e;
    e.time = host_->simTime(), e.kind = "debug", e.text = now;
    host_->events().add(std::move(e));
}

std::vector<ScenarioAction> ScenarioRun::pending() const
{
    return {scenario_.actions.begin() + static_cast<std::ptrdiff_t>(nextAction_), scenario_.actions.end()};
}

Scenario ScenarioRun::saved()
{
    return captureScenario(*host_, scenario_, pending());
}

}  // namespace sim
