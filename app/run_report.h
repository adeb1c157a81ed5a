// The report of a scenario run: the timeline of events, the release, and every vessel's
// state and orbit at the end. As one JSON document, or as text for a person.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "app/run_record.h"
#include "sim/scenario_run.h"

namespace app {

nlohmann::ordered_json runReport(sim::ScenarioRun& run, const RunRecord& record, double step);
std::string renderRunReport(const nlohmann::ordered_json& report);

}  // namespace app
