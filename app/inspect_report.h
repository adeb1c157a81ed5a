// What a vessel declared to the host, as the host holds it: a JSON document (keys in
// lower camel case, after the host's fields) and a readable text rendering of it.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "sim/host.h"

namespace app {

nlohmann::ordered_json describeVessel(const sim::VesselRecord& vessel);
// Host-wide state worth showing beside a vessel (camera, debug line).
nlohmann::ordered_json describeHost(sim::Host& host);
// The plug-ins the host started and the custom commands they registered.
nlohmann::ordered_json describePlugins(sim::Host& host);
nlohmann::ordered_json describeCommands(sim::Host& host);
std::string renderText(const nlohmann::ordered_json& report);

}  // namespace app
