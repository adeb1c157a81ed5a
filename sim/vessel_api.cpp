// The VESSEL operations, acting on the host record behind the vessel's handle.

#include <algorithm>
#include <cmath>
#include <string_view>

#include "host/vessel.h"
#include "sim/current_host.h"
#include "sim/docking.h"
#include "sim/host.h"
#include "sim/visual.h"

using sim::recordOf;
using sim::VesselRecord;

namespace {

// Records the call when the journal is on. The text is a view, so that a call made with
// the journal off (every step of a run) builds no string.
void note(const VesselRecord& v, const char* op, std::initializer_list<double> args = {}, std::string_view text = {})
{
    if (sim::Host* h = sim::currentHost(); h && h->journal().enabled())
        h->journal().record(v.name(), op, args, std::string(text));
}

}  // namespace

VESSEL::VESSEL(OBJHANDLE hVessel, int flightModel) : hObject_(hVessel), flightModel_(flightModel) {}

VESSEL::~VESSEL() = default;

const char* VESSEL::GetName() const
{
    return recordOf(this).name().c_str();
}

const char* VESSEL::GetClassNameA() const
{
    const std::string& c = recordOf(this).className();
    return c.empty() ? nullptr : c.c_str();
}

PROPELLANT_HANDLE VESSEL::CreatePropellantResource(double maxMass, double mass, double efficiency)
{
    VesselRecord& v = recordOf(this);
    note(v, "CreatePropellantResource", {maxMass, mass, efficiency});
    auto& tank = v.propellants.emplace_back(std::make_unique<HostPropellant>());
    tank->maxMass = std::max(0.0, maxMass);
    tank->mass = mass < 0.0 ? tank->maxMass : std::min(mass, tank->maxMass);
    tank->efficiency = efficiency;
    if (!v.defaultPropellant)
        v.defaultPropellant = tank.get();  // the first resource is the default until set
    return tank.get();
}

void VESSEL::SetDefaultPropellantResource(PROPELLANT_HANDLE ph)
{
    VesselRecord& v = recordOf(this);
    const auto it = std::find_if(v.propellants.begin(), v.propellants.end(), [&](const auto& p) { return p.get() == ph; });
    note(v, "SetDefaultPropellantResource", {it == v.propellants.end() ? -1.0 : static_cast<double>(it - v.propellants.begin())});
    v.defaultPropellant = ph;
}

double VESSEL::GetFuelMass() const
{
    const VesselRecord& v = recordOf(this);
    note(v, "GetFuelMass");
    return v.defaultPropellant ? v.defaultPropellant->mass : 0.0;
}

double VESSEL::GetPropellantMass(PROPELLANT_HANDLE ph) const
{
    return ph ? ph->mass : 0.0;
}

double VESSEL::GetMass() const
{
    return recordOf(this).mass();
}

void VESSEL::SetEmptyMass(double mass)
{
    VesselRecord& v = recordOf(this);
    note(v, "SetEmptyMass", {mass});
    v.emptyMass = mass;
}

void VESSEL::SetPMI(const VECTOR3& pmi)
{
    VesselRecord& v = recordOf(this);
    note(v, "SetPMI", {pmi.x, pmi.y, pmi.z});
    v.pmi = pmi;
}

void VESSEL::GetPMI(VECTOR3& pmi) const
{
    pmi = recordOf(this).pmi;
}

void VESSEL::ShiftCG(const VECTOR3& shift)
{
    VesselRecord& v = recordOf(this);
    note(v, "ShiftCG", {shift.x, shift.y, shift.z});
    for (auto& m : v.meshes)
        m.offset -= shift;
    for (auto& d : v.docks)
        d->pos -= shift;
    for (auto& t : v.thrusters)
        t->pos -= shift;
    v.camera.offset -= shift;
    v.state.pos += v.state.R * shift;  // the origin moves; the body stays where it is
}

void VESSEL::SetSize(double size)
{
    VesselRecord& v = recordOf(this);
    note(v, "SetSize", {size});
    v.size = size;
}

double VESSEL::GetSize() const
{
    return recordOf(this).size;
}

void VESSEL::SetClipRadius(double radius)
{
    VesselRecord& v = recordOf(this);
    note(v, "SetClipRadius", {radius});
    v.clipRadius = radius;
}

void VESSEL::SetVisibilityLimit(double visLimit, double spotLimit)
{
    VesselRecord& v = recordOf(this);
    note(v, "SetVisibilityLimit", {visLimit, spotLimit});
    v.visibilityLimit = visLimit;
    v.spotLimit = spotLimit;
}

UINT VESSEL::AddMesh(const char* meshName, const VECTOR3* offset)
{
    VesselRecord& v = recordOf(this);
    const VECTOR3 ofs = offset ? *offset : VECTOR3{0.0, 0.0, 0.0};
    note(v, "AddMesh", {ofs.x, ofs.y, ofs.z}, meshName ? meshName : "");
    v.meshes.push_back({meshName ? meshName : "", ofs, MESHVIS_EXTERNAL});
    return static_cast<UINT>(v.meshes.size() - 1);
}

void VESSEL::SetMeshVisibilityMode(UINT meshIndex, WORD mode)
{
    VesselRecord& v = recordOf(this);
    note(v, "SetMeshVisibilityMode", {static_cast<double>(meshIndex), static_cast<double>(mode)});
    if (meshIndex < v.meshes.size())
        v.meshes[meshIndex].visibility = mode;
}

MESHHANDLE VESSEL::GetMesh(VISHANDLE visual, UINT index) const
{
    const VesselRecord& v = recordOf(this);
    note(v, "GetMesh", {static_cast<double>(index)});
    // Only a visual that exists now is looked into: a module may hold a stale handle.
    sim::Host* host = sim::currentHost();
    if (!host || !host->visuals().isLive(visual) || visual->owner != &v || index >= visual->meshes.size())
        return nullptr;
    return visual->meshes[index].get();
}

DOCKHANDLE VESSEL::CreateDock(const VECTOR3& pos, const VECTOR3& dir, const VECTOR3& rot)
{
    VesselRecord& v = recordOf(this);
    note(v, "CreateDock", {pos.x, pos.y, pos.z, dir.x, dir.y, dir.z, rot.x, rot.y, rot.z});
    auto& dock = v.docks.emplace_back(std::make_unique<HostDock>());
    dock->owner = &v;
    dock->index = static_cast<int>(v.docks.size() - 1);
    dock->pos = pos, dock->dir = dir, dock->rot = rot;
    return dock.get();
}

DOCKHANDLE VESSEL::GetDockHandle(UINT port) const
{
    const VesselRecord& v = recordOf(this);
    note(v, "GetDockHandle", {static_cast<double>(port)});
    return port < v.docks.size() ? v.docks[port].get() : nullptr;
}

void VESSEL::GetDockParams(DOCKHANDLE dock, VECTOR3& pos, VECTOR3& dir, VECTOR3& rot) const
{
    note(recordOf(this), "GetDockParams");
    if (!dock) {
        pos = dir = rot = {0.0, 0.0, 0.0};
        return;
    }
    pos = dock->pos, dir = dock->dir, rot = dock->rot;
}

UINT VESSEL::DockCount() const
{
    return static_cast<UINT>(recordOf(this).docks.size());
}

UINT VESSEL::DockingStatus(UINT port) const
{
    const VesselRecord& v = recordOf(this);
    note(v, "DockingStatus", {static_cast<double>(port)});
    return port < v.docks.size() && v.docks[port]->mate ? 1u : 0u;
}

bool VESSEL::Undock(UINT port, OBJHANDLE exclude) const
{
    VesselRecord& v = recordOf(this);
    note(v, "Undock", {static_cast<double>(port)});
    sim::Host* host = sim::currentHost();
    if (!host || port >= v.docks.size())
        return false;
    HostDock& dock = *v.docks[port];
    if (!dock.mate || (exclude && dock.mate->owner->handle() == exclude))
        return false;
    if (host->undockingRefused)
        return false;
    return host->undock(dock);
}

bool VESSEL::GetSuperstructureCG(VECTOR3& cg) const
{
    VesselRecord& v = recordOf(this);
    note(v, "GetSuperstructureCG");
    const auto members = sim::superstructureOf(v);
    double totalMass = 0.0;
    VECTOR3 weighted{0.0, 0.0, 0.0};
    for (const VesselRecord* m : members) {
        totalMass += m->mass();
        weighted += m->mass() * m->state.pos;
    }
    if (members.size() < 2 || totalMass <= 0.0) {
        cg = {0.0, 0.0, 0.0};
        return false;
    }
    cg = v.state.R.tmul(weighted / totalMass - v.state.pos);
    return true;
}

void VESSEL::GetStatusEx(void* status) const
{
    const VesselRecord& v = recordOf(this);
    note(v, "GetStatusEx");
    auto* vs = static_cast<VESSELSTATUS2*>(status);
    if (!vs || vs->version != 2)
        return;
    vs->flag = 0;
    vs->rbody = nullptr;
    vs->base = nullptr;
    vs->rpos = v.state.pos;
    vs->rvel = v.state.vel;
    vs->vrot = v.state.omegaBody;
    vs->arot = sim::anglesFromRotation(v.state.R);
    vs->status = 0;
    vs->port = -1;
    const HostPropellant* p = v.defaultPropellant;
    vs->fuel = p && p->maxMass > 0.0 ? p->mass / p->maxMass : 0.0;
}

void VESSEL::GetGlobalPos(VECTOR3& pos) const
{
    pos = recordOf(this).state.pos;
}

void VESSEL::GetGlobalVel(VECTOR3& vel) const
{
    vel = recordOf(this).state.vel;
}

void VESSEL::Local2Global(const VECTOR3& local, VECTOR3& global) const
{
    const VesselRecord& v = recordOf(this);
    note(v, "Local2Global", {local.x, local.y, local.z});
    global = v.state.R * local + v.state.pos;
}

void VESSEL::Global2Local(const VECTOR3& global, VECTOR3& local) const
{
    const VesselRecord& v = recordOf(this);
    local = v.state.R.tmul(global - v.state.pos);
}

void VESSEL::AddBeacon(BEACONLIGHTSPEC* spec)
{
    VesselRecord& v = recordOf(this);
    note(v, "AddBeacon");
    if (spec)
        v.beacons.push_back(spec);
}

void VESSEL::SetCameraOffset(const VECTOR3& offset)
{
    VesselRecord& v = recordOf(this);
    note(v, "SetCameraOffset", {offset.x, offset.y, offset.z});
    v.camera.offset = offset;
}

void VESSEL::SetCameraDefaultDirection(const VECTOR3& direction)
{
    SetCameraDefaultDirection(direction, 0.0);
}

void VESSEL::SetCameraDefaultDirection(const VECTOR3& direction, double tilt)
{
    VesselRecord& v = recordOf(this);
    note(v, "SetCameraDefaultDirection", {direction.x, direction.y, direction.z, tilt});
    v.camera.direction = direction;
    v.camera.tilt = tilt;
}

void VESSEL::GetCameraDefaultDirection(VECTOR3& direction) const
{
    direction = recordOf(this).camera.direction;
}

void VESSEL::SetCameraRotationRange(double left, double right, double up, double down)
{
    VesselRecord& v = recordOf(this);
    note(v, "SetCameraRotationRange", {left, right, up, down});
    v.camera.left = left, v.camera.right = right, v.camera.up = up, v.camera.down = down;
}

bool VESSEL::Playback() const
{
    note(recordOf(this), "Playback");
    const sim::Host* host = sim::currentHost();
    return host && host->playback;
}

THRUSTER_HANDLE VESSEL::CreateThruster(const VECTOR3& pos, const VECTOR3& dir, double maxThrust,
                                       PROPELLANT_HANDLE propellant, double isp, double ispRef, double pRef)
{
    VesselRecord& v = recordOf(this);
    note(v, "CreateThruster", {pos.x, pos.y, pos.z, dir.x, dir.y, dir.z, maxThrust, isp, ispRef, pRef});
    auto& t = v.thrusters.emplace_back(std::make_unique<HostThruster>());
    t->pos = pos, t->dir = dir, t->maxThrust = maxThrust, t->tank = propellant;
    t->isp = isp, t->ispRef = ispRef, t->pRef = pRef;
    return t.get();
}

THGROUP_HANDLE VESSEL::CreateThrusterGroup(THRUSTER_HANDLE* thrusters, int count, THGROUP_TYPE type)
{
    VesselRecord& v = recordOf(this);
    note(v, "CreateThrusterGroup", {static_cast<double>(count), static_cast<double>(type)});
    auto& g = v.thrusterGroups.emplace_back(std::make_unique<HostThrusterGroup>());
    g->type = type;
    // Only this vessel's own thrusters join: a null, stale or foreign handle is skipped, so
    // that a group level never writes through it.
    for (int i = 0; thrusters && i < count; ++i) {
        const auto own = std::find_if(v.thrusters.begin(), v.thrusters.end(),
                                      [&](const auto& t) { return t.get() == thrusters[i]; });
        if (own != v.thrusters.end())
            g->thrusters.push_back(own->get());
    }
    return g.get();
}

void VESSEL::SetThrusterGroupLevel(THGROUP_TYPE type, double level)
{
    VesselRecord& v = recordOf(this);
    if (std::isnan(level))
        return;  // not a level: the groups keep theirs rather than carry NaN into the thrust
    level = std::clamp(level, 0.0, 1.0);
    for (auto& g : v.thrusterGroups) {
        if (g->type != type)
            continue;
        g->level = level;
        for (HostThruster* t : g->thrusters)
            t->level = level;
    }
}

double VESSEL::GetThrusterGroupLevel(THGROUP_TYPE type) const
{
    for (const auto& g : recordOf(this).thrusterGroups) {
        if (g->type == type)
            return g->level;
    }
    return 0.0;
}
