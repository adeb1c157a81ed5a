// Between scenarios and a host: setting a host up from a scenario, and the scenario of a
// host's current state (for saving).
#pragma once

#include "sim/host.h"
#include "sim/scenario.h"

namespace sim {

// Creates the scenario's vessels in `host` with their states, propellant and thruster
// levels, joins the docked ports, then sets focus and camera. Throws InputError naming the
// scenario's file and line for a class without configuration, a port or index that the
// vessel does not have; the host is then to be discarded.
void loadScenario(Host& host, const Scenario& scenario);

// The scenario of the host's state now. `pending` are the actions not yet carried out;
// their times are made relative to now, since the saved scenario starts at now.
Scenario captureScenario(Host& host, const Scenario& original, const std::vector<ScenarioAction>& pending);

}  // namespace sim
