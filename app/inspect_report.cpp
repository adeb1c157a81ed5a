#include "app/inspect_report.h"

#include <sstream>

#include "sim/windows1252.h"

namespace app {

namespace {

using json = nlohmann::ordered_json;

json vec(const VECTOR3& v)
{
    return json::array({v.x, v.y, v.z});
}

json describeDocks(const sim::VesselRecord& v)
{
    json docks = json::array();
    for (const auto& d : v.docks) {
        json port{{"index", d->index}, {"pos", vec(d->pos)}, {"dir", vec(d->dir)}, {"rot", vec(d->rot)},
                  {"occupied", d->mate != nullptr}};
        if (d->mate)
            port["mate"] = {{"vessel", d->mate->owner->name()}, {"port", d->mate->index}};
        docks.push_back(port);
    }
    return docks;
}

json describeBeacons(const sim::VesselRecord& v)
{
    json beacons = json::array();
    for (const BEACONLIGHTSPEC* b : v.beacons) {
        beacons.push_back({{"shape", b->shape},
                           {"pos", b->pos ? vec(*b->pos) : json()},
                           {"col", b->col ? vec(*b->col) : json()},
                           {"size", b->size},
                           {"falloff", b->falloff},
                           {"period", b->period},
                           {"duration", b->duration},
                           {"tofs", b->tofs},
                           {"active", b->active}});
    }
    return beacons;
}

json describeThrusters(const sim::VesselRecord& v, json& groups)
{
    json thrusters = json::array();
    for (const auto& t : v.thrusters) {
        int tank = -1;
        for (std::size_t i = 0; i < v.propellants.size(); ++i) {
            if (v.propellants[i].get() == t->tank)
                tank = static_cast<int>(i);
        }
        thrusters.push_back({{"pos", vec(t->pos)}, {"dir", vec(t->dir)}, {"maxThrust", t->maxThrust},
                             {"propellant", tank}, {"isp", t->isp}, {"ispRef", t->ispRef}, {"pRef", t->pRef},
                             {"level", t->level}});
    }
    groups = json::array();
    for (const auto& g : v.thrusterGroups) {
        json members = json::array();
        for (const HostThruster* t : g->thrusters) {
            for (std::size_t i = 0; i < v.thrusters.size(); ++i) {
                if (v.thrusters[i].get() == t)
                    members.push_back(i);
            }
        }
        groups.push_back({{"type", static_cast<int>(g->type)}, {"thrusters", members}, {"level", g->level}});
    }
    return thrusters;
}

}  // namespace

json describeVessel(const sim::VesselRecord& v)
{
    json props = json::array();
    for (std::size_t i = 0; i < v.propellants.size(); ++i) {
        const auto& p = v.propellants[i];
        props.push_back({{"index", i}, {"maxMass", p->maxMass}, {"mass", p->mass}, {"efficiency", p->efficiency},
                         {"default", p.get() == v.defaultPropellant}});
    }
    json meshes = json::array();
    for (std::size_t i = 0; i < v.meshes.size(); ++i) {
        meshes.push_back({{"index", i}, {"name", v.meshes[i].name}, {"offset", vec(v.meshes[i].offset)},
                          {"visibilityMode", v.meshes[i].visibility}});
    }
    json groups;
    json thrusters = describeThrusters(v, groups);
    const sim::CameraSettings& c = v.camera;
    return {{"name", v.name()},
            {"className", v.className()},
            {"module", v.module ? v.module->file().filename().string() : ""},
            {"emptyMass", v.emptyMass},
            {"fuelMass", v.defaultPropellant ? v.defaultPropellant->mass : 0.0},
            {"mass", v.mass()},
            {"propellants", props},
            {"pmi", vec(v.pmi)},
            {"size", v.size},
            {"clipRadius", v.clipRadius},
            {"visibilityLimit", v.visibilityLimit},
            {"spotLimit", v.spotLimit},
            {"meshes", meshes},
            {"docks", describeDocks(v)},
            {"beacons", describeBeacons(v)},
            {"thrusters", thrusters},
            {"thrusterGroups", groups},
            {"camera",
             {{"offset", vec(c.offset)},
              {"direction", vec(c.direction)},
              {"tilt", c.tilt},
              {"rotationRange", {{"left", c.left}, {"right", c.right}, {"up", c.up}, {"down", c.down}}}}}};
}

json describePlugins(sim::Host& host)
{
    json names = json::array();
    for (const auto& m : host.plugins().loaded())
        names.push_back(m->name);
    return names;
}

json describeCommands(sim::Host& host)
{
    // Labels are the modules' single-byte Windows-1252 texts; JSON wants UTF-8.
    json commands = json::array();
    for (const sim::CustomCommand& c : host.customCommands().list()) {
        commands.push_back({{"id", c.id}, {"label", sim::utf8FromWindows1252(c.label)},
                            {"description", sim::utf8FromWindows1252(c.description)}});
    }
    return commands;
}

json describeHost(sim::Host& host)
{
    return {{"simTime", host.simTime()}, {"cameraPos", vec(host.cameraPos)}, {"debugString", host.debugString()}};
}

namespace {

std::string scalar(const json& j)
{
    if (j.is_number_float()) {
        std::ostringstream s;
        s.precision(12);
        s << j.get<double>();
        return s.str();
    }
    if (j.is_string())
        return j.get<std::string>();
    if (j.is_array() && j.empty())
        return "none";
    if (j.is_array() && std::all_of(j.begin(), j.end(), [](const json& e) { return e.is_primitive(); })) {
        std::string out = "(";
        for (std::size_t i = 0; i < j.size(); ++i)
            out += (i ? ", " : "") + scalar(j[i]);
        return out + ")";
    }
    return j.dump();
}

bool isFlat(const json& j)
{
    return j.is_primitive() || (j.is_array() && std::all_of(j.begin(), j.end(), [](const json& e) {
                                    return e.is_primitive();
                                }));
}

bool isFlatObject(const json& j)
{
    return j.is_object() && std::all_of(j.begin(), j.end(), [](const json& e) { return isFlat(e); });
}

// An object of flat values on one line: "key value, key value".
std::string inlineObject(const json& j)
{
    std::string out;
    for (const auto& [key, value] : j.items())
        out += (out.empty() ? "" : ", ") + key + " " + scalar(value);
    return out;
}

void render(std::ostringstream& out, const json& j, int indent)
{
    const std::string pad(static_cast<std::size_t>(indent) * 2, ' ');
    if (j.is_object()) {
        for (const auto& [key, value] : j.items()) {
            if (isFlat(value)) {
                out << pad << key << ": " << scalar(value) << "\n";
            } else {
                out << pad << key << (value.empty() ? ": none" : ":") << "\n";
                render(out, value, indent + 1);
            }
        }
    } else if (j.is_array()) {
        for (std::size_t i = 0; i < j.size(); ++i) {
            if (isFlat(j[i])) {
                out << pad << "[" << i << "] " << scalar(j[i]) << "\n";
            } else if (isFlatObject(j[i])) {
                out << pad << "[" << i << "] " << inlineObject(j[i]) << "\n";
            } else {
                out << pad << "[" << i << "]\n";
                render(out, j[i], indent + 1);
            }
        }
    }
}

}  // namespace

std::string renderText(const json& report)
{
    std::ostringstream out;
    render(out, report, 0);
    return out.str();
}

}  // namespace app
