#include "sim/host.h"

#include <algorithm>
#include <stdexcept>

#include "host/module.h"
#include "sim/composite.h"
#include "sim/current_host.h"
#include "sim/docking.h"
#include "sim/errors.h"

namespace sim {

Host::Host(std::filesystem::path root, HostOptions options)
    : root_(std::move(root)), options_(options), loader_(root_ / "Modules")
{
    previous_ = bindCurrentHost(this);
}

Host::~Host()
{
    dialogs_.closeAll();
    while (!vessels_.empty())
        destroyVessel(*vessels_.back());
    plugins_.stop();  // after the vessels, as a session ends before its modules unload
    bindCurrentHost(previous_);
}

void Host::checkNewName(const std::string& name) const
{
    if (name.empty())
        throw std::invalid_argument("a vessel needs a name");
    if (findVessel(name))
        throw std::invalid_argument("a vessel named '" + name + "' already exists");
}

VesselRecord& Host::createVessel(const std::string& name, const std::string& className)
{
    checkNewName(name);
    const std::filesystem::path cfgPath = findClassConfig(root_, className);
    ClassConfig cfg = readClassConfig(cfgPath);

    LoadedModule* module = nullptr;
    OvcInitFunc init = nullptr;
    if (const auto moduleName = cfg.module()) {
        if (moduleName->empty())
            throw InputError(cfgPath, cfg.lines.at("module"), "Module names no module");
        module = &loader_.load(*moduleName);
        init = module->function<OvcInitFunc>("ovcInit");
        if (!init)
            throw InputError(module->file(), "vessel module has no entry point 'ovcInit'");
        if (!module->function<OvcExitFunc>("ovcExit"))
            throw InputError(module->file(), "vessel module has no entry point 'ovcExit'");
    } else if (!cfg.text("Mass")) {
        throw InputError(cfgPath, "the class has no Module and does not describe the vessel (no Mass)");
    }

    auto record = std::make_unique<VesselRecord>(name, className);
    record->config = std::move(cfg);
    record->module = module;
    if (module)
        record->exitFn = module->function<OvcExitFunc>("ovcExit");
    return instantiate(std::move(record), init);
}

VesselRecord& Host::createVessel(const std::string& name, const std::string& className, EntryPoints module)
{
    checkNewName(name);
    if (!module.init || !module.exit)
        throw std::invalid_argument("an in-process module needs ovcInit and ovcExit");
    auto record = std::make_unique<VesselRecord>(name, className);
    record->exitFn = module.exit;
    return instantiate(std::move(record), module.init);
}

VesselRecord& Host::instantiate(std::unique_ptr<VesselRecord> record, OvcInitFunc init)
{
    record->configFile.config = &record->config;
    applyConfiguration(*record);  // throws on malformed values before anything is created
    vessels_.push_back(std::move(record));
    VesselRecord& vessel = *vessels_.back();

    if (init) {
        vessel.iface = init(vessel.handle(), options_.flightModel);
        if (!vessel.iface) {
            const std::string name = vessel.name();
            vessels_.pop_back();
            throw std::runtime_error("ovcInit returned no vessel for '" + name + "'");
        }
    } else {
        vessel.ownObject = std::make_unique<VESSEL2>(vessel.handle(), options_.flightModel);
        vessel.iface = vessel.ownObject.get();
    }
    if (VESSEL2* cb = vessel.callbacks())
        cb->clbkSetClassCaps(&vessel.configFile);
    visuals_.loadMeshes(vessel);  // a bad mesh file is a warning, not a failure to load
    if (!focus)
        focus = &vessel;
    return vessel;
}

void Host::applyConfiguration(VesselRecord& v)
{
    const ClassConfig& cfg = v.config;
    if (const auto mass = cfg.number("Mass"))
        v.emptyMass = *mass;
    if (const auto size = cfg.number("Size"))
        v.size = *size;
    if (const auto pmi = cfg.vector("Inertia"))
        v.pmi = *pmi;
    if (const auto cam = cfg.vector("CameraOffset"))
        v.camera.offset = *cam;
    if (const auto meshName = cfg.text("MeshName"))
        v.meshes.push_back({*meshName, {0.0, 0.0, 0.0}, MESHVIS_EXTERNAL});
    if (const auto maxFuel = cfg.number("MaxFuel"); maxFuel && *maxFuel > 0.0) {
        auto& tank = v.propellants.emplace_back(std::make_unique<HostPropellant>());
        tank->maxMass = tank->mass = *maxFuel;
        v.defaultPropellant = tank.get();
    }
    for (const DockLine& d : cfg.docks) {
        auto& dock = v.docks.emplace_back(std::make_unique<HostDock>());
        dock->owner = &v;
        dock->index = static_cast<int>(v.docks.size() - 1);
        dock->pos = d.pos, dock->dir = d.dir, dock->rot = d.rot;
    }
}

void Host::finishCreation()
{
    for (std::size_t i = 0; i < vessels_.size(); ++i) {
        VesselRecord& v = *vessels_[i];
        if (v.postCreationDone)
            continue;
        v.postCreationDone = true;
        if (VESSEL2* cb = v.callbacks())
            cb->clbkPostCreation();
    }
}

void Host::destroyVessel(VesselRecord& vessel)
{
    const auto it = std::find_if(vessels_.begin(), vessels_.end(), [&](const auto& p) { return p.get() == &vessel; });
    if (it == vessels_.end())
        return;
    for (auto& dock : vessel.docks) {
        if (dock->mate)
            detachPorts(*this, *dock);
    }
    capture_.forget(vessel);
    visuals_.destroy(vessel);  // the module hears of it while its object still exists
    if (vessel.exitFn && vessel.iface)
        vessel.exitFn(vessel.iface);
    vessel.iface = nullptr;
    vessel.ownObject.reset();
    if (focus == &vessel)
        focus = nullptr;
    if (vcVessel_ == &vessel)
        leaveVirtualCockpit();
    vessels_.erase(std::find_if(vessels_.begin(), vessels_.end(), [&](const auto& p) { return p.get() == &vessel; }));
    if (!focus && !vessels_.empty())
        focus = vessels_.front().get();
}

VesselRecord* Host::vesselAt(std::size_t index) const
{
    return index < vessels_.size() ? vessels_[index].get() : nullptr;
}

VesselRecord* Host::findVessel(const std::string& name) const
{
    for (const auto& v : vessels_) {
        if (v->name() == name)
            return v.get();
    }
    return nullptr;
}

bool Host::isVessel(OBJHANDLE handle) const
{
    return std::any_of(vessels_.begin(), vessels_.end(), [&](const auto& v) { return v.get() == handle; });
}

void Host::step(double dt)
{
    lastStep_ = dt;
    plugins_.preStep(simTime_, dt, mjd());
    for (std::size_t i = 0; i < vessels_.size(); ++i) {
        if (VESSEL2* cb = vessels_[i]->callbacks())
            cb->clbkPreStep(simTime_, dt, mjd());
    }
    propagator_.step(*this, dt, options_.physics);
    simTime_ += dt;
    capture_.capture(*this, simTime_, options_.docking);
    for (std::size_t i = 0; i < vessels_.size(); ++i) {
        if (VESSEL2* cb = vessels_[i]->callbacks())
            cb->clbkPostStep(simTime_, dt, mjd());
    }
    if (cameraFollows_ && focus)
        cameraPos = focus->state.pos + cameraOffset_;
    visuals_.updateRange();
}

bool Host::dock(HostDock& a, HostDock& b)
{
    if (!attachPorts(*this, a, b))
        return false;
    HostEvent e;
    e.time = simTime_, e.kind = "dock", e.vessel = a.owner->name(), e.port = a.index;
    e.mate = b.owner->name(), e.matePort = b.index;
    events_.add(std::move(e));
    return true;
}

bool Host::undock(HostDock& port)
{
    HostDock* mate = port.mate;
    if (!mate)
        return false;
    HostEvent e;
    e.time = simTime_, e.kind = "undock", e.vessel = port.owner->name(), e.port = port.index;
    e.mate = mate->owner->name(), e.matePort = mate->index;
    e.vesselPos = port.owner->state.pos, e.vesselVel = port.owner->state.vel;
    e.portPos = portGlobalPos(port);
    Composite whole;
    whole.build(superstructureOf(*port.owner));
    e.superstructureCg = whole.cgGlobal;
    e.superstructureVel = whole.velGlobal;
    if (!detachPorts(*this, port, options_.docking.separationSpeed))
        return false;
    e.matePos = mate->owner->state.pos, e.mateVel = mate->owner->state.vel;
    events_.add(std::move(e));
    capture_.separated(port, *mate, simTime_ + options_.docking.suppressTime);
    return true;
}

void Host::placeCamera(const VECTOR3& pos)
{
    cameraFollows_ = false;
    cameraPos = pos;
}

void Host::followFocus(const VECTOR3& offset)
{
    cameraFollows_ = true;
    cameraOffset_ = offset;
    if (focus)
        cameraPos = focus->state.pos + cameraOffset_;
}

int Host::pressKey(VesselRecord& vessel, DWORD key, bool down)
{
    std::array<char, 256> keyState{};
    if (VESSEL2* cb = vessel.callbacks())
        return cb->clbkConsumeBufferedKey(key, down, keyState.data());
    return 0;
}

bool Host::loadGenericCockpit(VesselRecord& vessel)
{
    VESSEL2* cb = vessel.callbacks();
    return cb && cb->clbkLoadGenericCockpit();
}

bool Host::enterVirtualCockpit(VesselRecord& vessel, int id)
{
    VESSEL2* cb = vessel.callbacks();
    if (!cb)
        return false;
    vcNeighbours = {-1, -1, -1, -1};
    if (!cb->clbkLoadVC(id))
        return false;
    vcVessel_ = &vessel;
    vcStation_ = id;
    return true;
}

bool Host::moveVirtualCockpit(VcMove move)
{
    if (!vcVessel_)
        return false;
    const int next = vcNeighbours[static_cast<std::size_t>(move)];
    if (next < 0)
        return false;
    return enterVirtualCockpit(*vcVessel_, next);
}

void Host::leaveVirtualCockpit()
{
    vcVessel_ = nullptr;
    vcStation_ = -1;
    vcNeighbours = {-1, -1, -1, -1};
}

}  // namespace sim
