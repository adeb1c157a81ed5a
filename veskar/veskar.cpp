// Veskar vessel class: capabilities, callbacks and the module's entry points.

#include "veskar/veskar.h"

#include <array>

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kPropellantMax = 20000.0;  // [kg]
constexpr double kCreateFull = -1.0;        // the host's "mass" for a resource created full
constexpr double kPropellantEfficiency = 1.0;
constexpr std::uint32_t kPayloadPort = 4;   // the catcher's outer end

struct PortRow {
    std::size_t segment;  // the port sits at this segment's position plus `offset`
    VECTOR3 offset;       // [m, vessel axes]
    VECTOR3 dir;          // approach direction
    VECTOR3 rot;          // rotation reference
};

constexpr std::array<PortRow, 5> kPorts{{
    {3, {0, 0, -20015.177}, {0, 1, 0}, {1, 0, 0}},
    {3, {4.05, -0.565, 19996}, {1, 0, 0}, {0, 1, 0}},
    {1, {0, 0, -20001.05}, {0, -1, 0}, {-1, 0, 0}},
    {2, {0, 0, -20001.05}, {0, -1, 0}, {-1, 0, 0}},
    {0, {0, 0, -73.65}, {0, 0, -1}, {0, -1, 0}},
}};

}  // namespace

Veskar::Veskar(OBJHANDLE vesselHandle, int flightModel)
    : VESSEL2(vesselHandle, flightModel), tether(vesselHandle)
{
}

void Veskar::clbkSetClassCaps(FILEHANDLE /*cfg*/)
{
    PROPELLANT_HANDLE tank = CreatePropellantResource(kPropellantMax, kCreateFull, kPropellantEfficiency);
    SetDefaultPropellantResource(tank);
    tether.build();
    if (tether.isBuilt()) {
        const auto& segments = tether.segmentList();
        for (const PortRow& port : kPorts)
            CreateDock(segments[port.segment]->position + port.offset, port.dir, port.rot);
    }
    payloadDock = kPayloadPort;
}

void Veskar::clbkPostCreation() {}

void Veskar::clbkPreStep(double /*simt*/, double /*simdt*/, double /*mjd*/)
{
    tether.preStep();
}

void Veskar::clbkVisualCreated(VISHANDLE visual, int /*refcount*/)
{
    tether.visualCreated(visual);
}

void Veskar::clbkVisualDestroyed(VISHANDLE visual, int /*refcount*/)
{
    tether.visualDestroyed(visual);
}

int Veskar::clbkConsumeBufferedKey(DWORD key, bool down, char* /*keyState*/)
{
    if (!down)
        return 0;
    if (Playback())
        return 0;
    if (key == OAPI_KEY_L) {
        lightFlag = lightFlag != 0 ? 0 : 1;
        tether.setLights(lightFlag);
    }
    return 0;  // never consumed: the host goes on with its own handling
}

bool Veskar::clbkLoadGenericCockpit()
{
    SetCameraOffset({0.0, 0.0, 0.0});
    SetCameraDefaultDirection({0.0, 0.0, -1.0});
    SetCameraRotationRange(kPi, kPi, kPi / 2, kPi / 2);
    return true;
}

bool Veskar::clbkLoadVC(int id)
{
    return tether.loadVirtualCockpit(id);
}

DLLCLBK VESSEL* ovcInit(OBJHANDLE vesselHandle, int flightModel)
{
    return new Veskar(vesselHandle, flightModel);
}

DLLCLBK void ovcExit(VESSEL* vessel)
{
    if (vessel)
        delete static_cast<Veskar*>(vessel);
}
