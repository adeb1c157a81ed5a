// QRM_Shade vessel class: a small vessel without a mesh, with one tank and one main thruster.

#include "host/module.h"
#include "host/vessel.h"

namespace {

constexpr double kSize = 0.5;                     // mean radius [m]
constexpr double kEmptyMass = 1000.0;             // [kg]
constexpr VECTOR3 kPmi{1.0, 1.0, 1.0};            // mass-normalised principal moments [m^2]
constexpr VECTOR3 kCameraOffset{0.0, 0.0, 0.0};   // [m, vessel frame]

constexpr double kPropellantMax = 500.0;          // [kg]
constexpr double kCreateFull = -1.0;              // the host's "mass" for a resource created full
constexpr double kPropellantEfficiency = 1.0;

// The main thruster sits behind the origin and pushes the vessel towards +z.
constexpr VECTOR3 kMainPos{0.0, 0.0, -4.35};      // [m, vessel frame]
constexpr VECTOR3 kMainDir{0.0, 0.0, 1.0};        // thrust direction, unit
constexpr double kMainThrust = 100000000.0;       // vacuum [N]
constexpr double kMainIspVacuum = 6000.0;         // [m/s]
constexpr double kMainIspRef = 0.0;               // at the reference pressure [m/s]
constexpr double kMainPRef = 101400.0;            // reference pressure [Pa]

}  // namespace

// Holds no state: the tank and thruster handles are needed only while they are declared.
class QRM_Shade final : public VESSEL2 {
public:
    QRM_Shade(OBJHANDLE vesselHandle, int flightModel) : VESSEL2(vesselHandle, flightModel) {}

    void clbkSetClassCaps(FILEHANDLE cfg) override;
};

void QRM_Shade::clbkSetClassCaps(FILEHANDLE /*cfg*/)
{
    SetSize(kSize);
    SetEmptyMass(kEmptyMass);
    SetPMI(kPmi);
    SetCameraOffset(kCameraOffset);
    PROPELLANT_HANDLE tank = CreatePropellantResource(kPropellantMax, kCreateFull, kPropellantEfficiency);
    THRUSTER_HANDLE th_main = CreateThruster(kMainPos, kMainDir, kMainThrust, tank, kMainIspVacuum, kMainIspRef,
                                             kMainPRef);
    CreateThrusterGroup(&th_main, 1, THGROUP_MAIN);
}

DLLCLBK VESSEL* ovcInit(OBJHANDLE vesselHandle, int flightModel)
{
    return new QRM_Shade(vesselHandle, flightModel);
}

DLLCLBK void ovcExit(VESSEL* vessel)
{
    if (vessel)
        delete static_cast<QRM_Shade*>(vessel);
}
