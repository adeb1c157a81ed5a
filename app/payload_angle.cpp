#include "app/payload_angle.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "sim/composite.h"
#include "sim/docking.h"

namespace app {

namespace {
constexpr unsigned kPayloadPort = 4;
}

double payloadAngle(const VECTOR3& tetherPos, const VECTOR3& tetherVel, const VECTOR3& portPos,
                    const VECTOR3& superstructureCg)
{
    const VECTOR3 along = unit(portPos - superstructureCg);
    const VECTOR3 v = unit(tetherVel);
    const VECTOR3 up = unit(crossp(unit(crossp(v, unit(tetherPos))), v));
    const double a1 = std::acos(std::clamp(dotp(along, up), -1.0, 1.0));
    const bool ahead = dotp(along, v) > 0.0;
    return ahead ? -a1 : a1;
}

TetherView findTether(sim::Host& host)
{
    for (std::size_t i = 0; i < host.vesselCount(); ++i) {
        sim::VesselRecord* v = host.vesselAt(i);
        if (v->className() == "Veskar" && v->docks.size() > kPayloadPort)
            return {v, v->docks[kPayloadPort].get()};
    }
    return {};
}

double currentPayloadAngle(const TetherView& view)
{
    if (!view.tether || !view.payloadPort->mate)
        return std::numeric_limits<double>::quiet_NaN();
    sim::Composite whole;
    whole.build(sim::superstructureOf(*view.tether));
    return payloadAngle(view.tether->state.pos, view.tether->state.vel, sim::portGlobalPos(*view.payloadPort),
                        whole.cgGlobal);
}

}  // namespace app
