// Global host services, acting on the current host.

#include <algorithm>
#include <array>
#include <string_view>

#include "host/oapi.h"
#include "sim/current_host.h"
#include "sim/host.h"
#include "sim/visual.h"

namespace {

// Records the call when the journal is on; with it off no string is built.
void note(const char* op, std::initializer_list<double> args = {}, std::string_view text = {})
{
    if (sim::Host* h = sim::currentHost(); h && h->journal().enabled())
        h->journal().record({}, op, args, std::string(text));
}

// A mesh of a visual that exists now: modules get meshes only from GetMesh, and may keep
// a handle past its visual's end.
bool liveMesh(MESHHANDLE mesh)
{
    sim::Host* host = sim::currentHost();
    return host && host->visuals().holdsMesh(mesh);
}

}  // namespace

VESSEL* oapiGetVesselInterface(OBJHANDLE vessel)
{
    note("oapiGetVesselInterface");
    sim::Host* host = sim::currentHost();
    if (!host || !host->isVessel(vessel))
        return nullptr;
    return sim::recordOf(vessel).iface;
}

DWORD oapiGetVesselCount()
{
    note("oapiGetVesselCount");
    const sim::Host* host = sim::currentHost();
    return host ? static_cast<DWORD>(host->vesselCount()) : 0;
}

OBJHANDLE oapiGetVesselByIndex(int index)
{
    note("oapiGetVesselByIndex", {static_cast<double>(index)});
    const sim::Host* host = sim::currentHost();
    if (!host || index < 0)
        return nullptr;
    sim::VesselRecord* v = host->vesselAt(static_cast<std::size_t>(index));
    return v ? v->handle() : nullptr;
}

OBJHANDLE oapiGetFocusObject()
{
    const sim::Host* host = sim::currentHost();
    return host && host->focus ? host->focus->handle() : nullptr;
}

void oapiCameraGlobalPos(VECTOR3* pos)
{
    note("oapiCameraGlobalPos");
    const sim::Host* host = sim::currentHost();
    if (pos)
        *pos = host ? host->cameraPos : VECTOR3{0.0, 0.0, 0.0};
}

MATERIAL* oapiMeshMaterial(MESHHANDLE mesh, DWORD index)
{
    const bool live = liveMesh(mesh);
    note("oapiMeshMaterial", {static_cast<double>(index)}, live ? mesh->name : std::string());
    if (!live || index >= mesh->materials.size())
        return nullptr;
    return &mesh->materials[index];
}

DWORD oapiMeshMaterialCount(MESHHANDLE mesh)
{
    return liveMesh(mesh) ? static_cast<DWORD>(mesh->materials.size()) : 0;
}

char* oapiDebugString()
{
    sim::Host* host = sim::currentHost();
    if (host)
        return host->debugString();
    static std::array<char, sim::Host::kDebugLineSize> scratch{};  // no host: a harmless sink
    return scratch.data();
}

double oapiGetSimTime()
{
    const sim::Host* host = sim::currentHost();
    return host ? host->simTime() : 0.0;
}

double oapiGetSimStep()
{
    const sim::Host* host = sim::currentHost();
    return host ? host->lastStep() : 0.0;
}

void oapiVCSetNeighbours(int left, int right, int top, int bottom)
{
    note("oapiVCSetNeighbours", {static_cast<double>(left), static_cast<double>(right), static_cast<double>(top),
                                 static_cast<double>(bottom)});
    if (sim::Host* host = sim::currentHost())
        host->vcNeighbours = {left, right, top, bottom};
}
