// Payload interface: whether a payload hangs at the catcher, its angle, and its release.

#include <algorithm>
#include <cmath>

#include "veskar/veskar.h"

namespace {
constexpr double kPi = 3.14159265358979;

// Arc cosine of a dot product of unit vectors, kept within -1..1 against rounding.
double clampedAcos(double c)
{
    return std::acos(std::clamp(c, -1.0, 1.0));
}
}  // namespace

bool Veskar::hasPayload()
{
    return DockingStatus(payloadDock) != 0;
}

bool Veskar::releasePayload()
{
    return Undock(payloadDock, nullptr);
}

double Veskar::getPayloadVVAngle()
{
    VESSELSTATUS2 status{};
    status.version = 2;
    GetStatusEx(&status);

    VECTOR3 dockPos{}, dockDir{}, dockRot{};
    GetDockParams(GetDockHandle(payloadDock), dockPos, dockDir, dockRot);

    VECTOR3 VesselRef{};
    Local2Global(dockPos, VesselRef);
    // Without a superstructure: the vessel's own centre of gravity, its frame's origin,
    // whatever the host left in the vector.
    VECTOR3 VesselPos{0.0, 0.0, 0.0};
    if (!GetSuperstructureCG(VesselPos))
        VesselPos = {0.0, 0.0, 0.0};
    Local2Global(VesselPos, VesselPos);
    VesselRef = unit(VesselRef - VesselPos);

    const VECTOR3 RVelRef = unit(status.rvel);
    const VECTOR3 RPosRef = unit(status.rpos);
    const VECTOR3 H = unit(crossp(unit(crossp(RVelRef, RPosRef)), RVelRef));

    const double a1 = clampedAcos(dotp(VesselRef, H));
    const double a2 = clampedAcos(dotp(VesselRef, RVelRef));
    return a2 < kPi / 2 ? -a1 : a1;
}
