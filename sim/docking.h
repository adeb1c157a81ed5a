// Joining and separating docking ports, and capture of ports that come together.
//
// Joining aligns the two ports (approach directions opposite, rotation references
// parallel, positions equal) by moving the lighter side's superstructure, then gives the
// joined whole the motion of one rigid body with the total linear and angular momentum
// of its parts. Separating leaves each part with the velocity its own centre of gravity
// had in the rotating whole, plus a separation speed along the port axis shared in
// inverse proportion to the parts' masses (momentum is conserved).
#pragma once

#include <vector>

#include "sim/vessel_record.h"

namespace sim {

class Host;

struct DockingOptions {
    double separationSpeed = 0.2;  // relative speed of the parts after undocking [m/s]
    double captureDistance = 0.1;  // free ports this close are joined [m]
    double suppressTime = 1.0;     // after a separation the same pair is not re-joined [s]
};

// Joins two free ports of vessels in different superstructures and tells both modules
// (clbkDockEvent). False when either port is taken or both are in one superstructure.
bool attachPorts(Host& host, HostDock& a, HostDock& b);
// Separates a docked port from its mate and tells both modules. False if it was free.
// `separationSpeed` [m/s] is added between the parts along the port's approach direction.
bool detachPorts(Host& host, HostDock& port, double separationSpeed = 0.0);
// The vessels joined to `vessel` through docking ports, `vessel` first.
std::vector<VesselRecord*> superstructureOf(VesselRecord& vessel);

// A port's position and approach direction in the global frame.
VECTOR3 portGlobalPos(const HostDock& port);
VECTOR3 portGlobalDir(const HostDock& port);

// Remembers recent separations so the same pair is not re-captured at once.
class CaptureMonitor {
public:
    void separated(const HostDock& a, const HostDock& b, double until);
    // Joins free port pairs that are within the capture distance, except pairs separated
    // until after `now`.
    void capture(Host& host, double now, const DockingOptions& options);
    // Drops every entry that names a port of `vessel` (before the vessel goes).
    void forget(const VesselRecord& vessel);

private:
    struct Suppressed {
        const HostDock* a;
        const HostDock* b;
        double until;  // simulation time [s]
    };
    bool suppressed(const HostDock& a, const HostDock& b, double now) const;
    std::vector<Suppressed> entries_;
};

}  // namespace sim
