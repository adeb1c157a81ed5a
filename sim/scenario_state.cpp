#include "sim/scenario_state.h"

#include <cmath>

#include "sim/errors.h"

namespace sim {

namespace {

constexpr double kDegree = M_PI / 180.0;

VesselRecord& create(Host& host, const Scenario& s, const ScenarioVessel& sv)
{
    try {
        return host.createVessel(sv.name, sv.className);
    } catch (const std::exception& e) {
        throw InputError(s.file, sv.line, "vessel '" + sv.name + "' of class '" + sv.className + "': " + e.what());
    }
}

void applyState(const Scenario& s, const ScenarioVessel& sv, VesselRecord& v)
{
    v.state.pos = sv.rpos;
    v.state.vel = sv.rvel;
    v.state.R = rotationFromAngles(sv.arot * kDegree);
    v.state.omegaBody = sv.vrot * kDegree;
    for (const auto& [index, level] : sv.propellantLevels) {
        if (index >= static_cast<int>(v.propellants.size()))
            throw InputError(s.file, sv.line, "'" + sv.name + "' has no propellant resource " + std::to_string(index));
        HostPropellant& tank = *v.propellants[static_cast<std::size_t>(index)];
        tank.mass = level * tank.maxMass;
    }
    for (const auto& [index, level] : sv.thrusterLevels) {
        if (index >= static_cast<int>(v.thrusters.size()))
            throw InputError(s.file, sv.line, "'" + sv.name + "' has no thruster " + std::to_string(index));
        v.thrusters[static_cast<std::size_t>(index)]->level = level;
    }
}

void joinPorts(Host& host, const Scenario& s)
{
    for (std::size_t i = 0; i < s.vessels.size(); ++i) {
        const ScenarioVessel& sv = s.vessels[i];
        for (const auto& d : sv.docks) {
            VesselRecord& a = *host.findVessel(sv.name);
            VesselRecord& b = *host.findVessel(d.mate);
            if (d.port >= static_cast<int>(a.docks.size()))
                throw InputError(s.file, d.line, "'" + a.name() + "' has no docking port " + std::to_string(d.port));
            if (d.matePort >= static_cast<int>(b.docks.size()))
                throw InputError(s.file, d.line, "'" + b.name() + "' has no docking port " + std::to_string(d.matePort));
            HostDock& pa = *a.docks[static_cast<std::size_t>(d.port)];
            HostDock& pb = *b.docks[static_cast<std::size_t>(d.matePort)];
            if (pa.mate == &pb)
                continue;  // joined from the mate's side already
            if (!host.dock(pa, pb))
                throw InputError(s.file, d.line, "cannot dock '" + a.name() + "' port " + std::to_string(d.port) +
                                                     " to '" + b.name() + "' port " + std::to_string(d.matePort));
        }
    }
}

}  // namespace

void loadScenario(Host& host, const Scenario& s)
{
    for (const ScenarioVessel& sv : s.vessels)
        applyState(s, sv, create(host, s, sv));
    joinPorts(host, s);
    host.finishCreation();
    if (!s.focus.empty())
        host.focus = host.findVessel(s.focus);
    if (!s.camera.given || s.camera.follow) {
        const VesselRecord* f = host.focus;
        host.followFocus(s.camera.given ? s.camera.offset : VECTOR3{0.0, 0.0, f ? 2.0 * f->size : 0.0});
    } else {
        host.placeCamera(s.camera.position);
    }
}

Scenario captureScenario(Host& host, const Scenario& original, const std::vector<ScenarioAction>& pending)
{
    Scenario s;
    s.file = original.file;
    s.description = original.description;
    s.system = original.system;
    s.mjd = host.mjd();
    s.focus = host.focus ? host.focus->name() : "";
    s.camera.given = true;
    s.camera.follow = host.cameraFollows();
    s.camera.offset = host.cameraOffset();
    s.camera.position = host.cameraPos;
    for (std::size_t i = 0; i < host.vesselCount(); ++i) {
        const VesselRecord& v = *host.vesselAt(i);
        ScenarioVessel sv;
        sv.name = v.name();
        sv.className = v.className();
        sv.rpos = v.state.pos;
        sv.rvel = v.state.vel;
        sv.arot = anglesFromRotation(v.state.R) / kDegree;
        sv.vrot = v.state.omegaBody / kDegree;
        for (std::size_t p = 0; p < v.propellants.size(); ++p) {
            const HostPropellant& tank = *v.propellants[p];
            sv.propellantLevels.emplace_back(static_cast<int>(p), tank.maxMass > 0.0 ? tank.mass / tank.maxMass : 0.0);
        }
        for (std::size_t t = 0; t < v.thrusters.size(); ++t) {
            if (v.thrusters[t]->level > 0.0)
                sv.thrusterLevels.emplace_back(static_cast<int>(t), v.thrusters[t]->level);
        }
        for (const auto& d : v.docks) {
            if (d->mate)
                sv.docks.push_back({d->index, d->mate->index, d->mate->owner->name(), 0});
        }
        s.vessels.push_back(std::move(sv));
    }
    for (ScenarioAction a : pending) {
        a.time = std::max(0.0, a.time - host.simTime());
        s.actions.push_back(std::move(a));
    }
    return s;
}

}  // namespace sim
