// Joining and separating docking ports.
#pragma once

#include <vector>

#include "sim/vessel_record.h"

namespace sim {

class Host;

// Joins two free ports of different vessels and tells both modules (clbkDockEvent).
// The vessels' states are left as they are.
void attachPorts(Host& host, HostDock& a, HostDock& b);
// Separates a docked port from its mate and tells both modules. False if it was free.
bool detachPorts(Host& host, HostDock& port);
// The vessels joined to `vessel` through docking ports, `vessel` first.
std::vector<VesselRecord*> superstructureOf(VesselRecord& vessel);

}  // namespace sim
