// The tether's mass properties from its lumped masses: empty mass and centre of gravity
// (propellant counted at segment 3), the move onto that centre, and the principal moments.

#include "veskar/tether_assembly.h"

namespace {
constexpr std::size_t kPropellantSegment = 3;  // the tank sits at the end-mass segment
constexpr double kRodLengthFactor = 2.0;       // full rod length = 2 |half-length vector|
constexpr double kRodMomentDivisor = 12.0;     // thin rod about its midpoint: m l^2 / 12

VECTOR3 withoutComponent(VECTOR3 v, int k)
{
    v[k] = 0.0;
    return v;
}
}  // namespace

void TetherAssembly::computeMassAndCentre()
{
    VECTOR3 massRadiusProduct{0.0, 0.0, 0.0};  // [kg m]
    double M = 0.0;                            // [kg]
    for (const auto& segment : segments) {
        for (const auto& pm : segment->pointMasses) {
            massRadiusProduct += pm->mass * (segment->position + pm->centre);
            M += pm->mass;
        }
    }
    vessel->SetEmptyMass(M);

    if (segments.size() > kPropellantSegment)
        massRadiusProduct += vessel->GetFuelMass() * segments[kPropellantSegment]->position;
    M += vessel->GetFuelMass();

    // With no mass at all the centre is undefined; keep the build frame's origin.
    centreOfGravity = M > 0.0 ? massRadiusProduct / M : VECTOR3{0.0, 0.0, 0.0};
    buildMass = M;
}

void TetherAssembly::shiftCentreOfGravity(const VECTOR3& shift, bool notifyHost)
{
    for (auto& segment : segments) {
        segment->beacons.shiftPositions(shift);
        segment->position -= shift;
    }
    if (notifyHost)
        vessel->ShiftCG(shift);
}

void TetherAssembly::computeInertia()
{
    VECTOR3 pmi{0.0, 0.0, 0.0};  // about the vessel origin [kg m^2]
    for (const auto& segment : segments) {
        for (const auto& pm : segment->pointMasses) {
            const double m = pm->mass;
            const VECTOR3 r = segment->position + pm->centre;
            for (int k = 0; k < 3; ++k) {
                const VECTOR3 vBuf = withoutComponent(r, k);
                if (pm->kind == 0) {
                    pmi[k] += m * dotp(vBuf, vBuf);
                } else if (pm->kind == 1) {
                    const double rodLength = kRodLengthFactor * length(withoutComponent(pm->rodEnd - pm->centre, k));
                    pmi[k] += m * dotp(vBuf, vBuf) + m * rodLength * rodLength / kRodMomentDivisor;
                }
            }
        }
    }
    // The host takes mass-normalised moments [m^2] and multiplies them by the vessel's
    // mass; divide by the mass found at the build (point masses plus propellant present).
    vessel->SetPMI(buildMass > 0.0 ? pmi / buildMass : VECTOR3{0.0, 0.0, 0.0});
}
