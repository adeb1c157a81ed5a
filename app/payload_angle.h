// The tether's payload angle as the run report computes it from the host's state, on its
// own: the signed angle between the tether's direction (superstructure centre of gravity
// to the payload port) and the upward normal to the tether's velocity in its orbit plane;
// negative while the port is ahead of the centre along the velocity. [rad, -pi..pi]
#pragma once

#include "host/vector.h"
#include "sim/host.h"

namespace app {

double payloadAngle(const VECTOR3& tetherPos, const VECTOR3& tetherVel, const VECTOR3& portPos,
                    const VECTOR3& superstructureCg);

// The first vessel of class "Veskar", and its payload port (4); null when there is none.
struct TetherView {
    sim::VesselRecord* tether = nullptr;
    HostDock* payloadPort = nullptr;
};
TetherView findTether(sim::Host& host);

// The angle now, while a payload is docked; NaN otherwise.
double currentPayloadAngle(const TetherView& view);

}  // namespace app
