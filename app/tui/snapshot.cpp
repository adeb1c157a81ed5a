#include "app/tui/snapshot.h"

#include <cmath>

#include "app/payload_angle.h"
#include "sim/earth.h"
#include "sim/orbit.h"
#include "sim/windows1252.h"

namespace app::tui {

namespace {

constexpr const char* kTetherClass = "Veskar";
constexpr std::size_t kPayloadPort = 4;
constexpr double kDegree = M_PI / 180.0;  // [rad]

std::string fromWindows(const std::string& text)
{
    return sim::utf8FromWindows1252(text);
}

std::string portText(const std::string& vessel, int port)
{
    return vessel + " port " + std::to_string(port);
}

}  // namespace

FocusState focusState(sim::VesselRecord& v)
{
    FocusState f;
    f.name = v.name();
    f.className = v.className();
    f.altitude = length(v.state.pos) - sim::earth::radius;
    f.speed = length(v.state.vel);
    const sim::OrbitElements o = sim::orbitOf(v.state.pos, v.state.vel);
    f.orbit.bound = o.bound();
    f.orbit.periapsisAltitude = o.periapsis - sim::earth::radius;
    f.orbit.apoapsisAltitude = o.apoapsis - sim::earth::radius;
    f.orbit.eccentricity = o.eccentricity;
    f.orbit.period = o.period;
    if (v.className() == kTetherClass && v.docks.size() > kPayloadPort) {
        const app::TetherView tether{&v, v.docks[kPayloadPort].get()};
        TetherState t;
        t.spinRate = length(v.state.omegaBody) / kDegree;
        const HostDock* port = tether.payloadPort;
        if (port->mate && port->mate->owner)
            t.payload = port->mate->owner->name();
        t.payloadAngle = app::currentPayloadAngle(tether) / kDegree;
        f.tether = t;
    }
    for (const BEACONLIGHTSPEC* b : v.beacons) {
        ++f.lights;
        f.lightsOn += b->active ? 1 : 0;
    }
    return f;
}

DialogState dialogState(const sim::DialogWindow& d)
{
    DialogState s;
    s.title = fromWindows(d.text);
    s.captionClose = (d.flags & DLG_CAPTIONCLOSE) != 0;
    s.cx = d.cx, s.cy = d.cy;
    for (const auto& c : d.controls)
        s.controls.push_back({c->id, c->className, fromWindows(c->text), c->style, c->x, c->y, c->cx, c->cy});
    return s;
}

std::string describeEvent(sim::Host& host, const sim::HostEvent& e)
{
    if (e.kind == "undock") {
        const sim::VesselRecord* v = host.findVessel(e.vessel);
        if (v && v->className() == kTetherClass && e.port == static_cast<int>(kPayloadPort))
            return "payload " + e.mate + " released by " + e.vessel;
        return "undocked: " + portText(e.vessel, e.port) + " from " + portText(e.mate, e.matePort);
    }
    if (e.kind == "dock")
        return "docked: " + portText(e.vessel, e.port) + " to " + portText(e.mate, e.matePort);
    if (e.kind == "command")
        return "command: " + fromWindows(e.text);
    if (e.kind == "dialog-open" || e.kind == "dialog-close")
        return std::string(e.kind == "dialog-open" ? "dialog opened: " : "dialog closed: ") + fromWindows(e.text);
    if (e.kind == "control-text")
        return "dialog shows \"" + fromWindows(e.text) + "\"";
    if (e.kind == "debug")
        return "debug line: \"" + fromWindows(e.text) + "\"";
    return e.kind + (e.text.empty() ? std::string() : ": " + fromWindows(e.text));
}

void snapshotHost(sim::Host& host, ViewModel& view)
{
    view.simTime = host.simTime();
    view.focus.reset();
    view.vessels.clear();
    view.focusIndex = -1;
    for (std::size_t i = 0; i < host.vesselCount(); ++i) {
        sim::VesselRecord* v = host.vesselAt(i);
        if (v == host.focus)
            view.focusIndex = static_cast<int>(i);
        view.vessels.push_back(v->name());
    }
    if (host.focus)
        view.focus = focusState(*host.focus);

    view.commands.clear();
    for (const sim::CustomCommand& c : host.customCommands().list())
        view.commands.push_back(fromWindows(c.label));

    view.dialog.reset();
    const std::vector<HWND> open = host.dialogs().openDialogs();
    if (!open.empty())
        if (const sim::DialogWindow* d = host.dialogs().dialog(open.back()))
            view.dialog = dialogState(*d);

    view.events.clear();
    const auto& all = host.events().all();
    for (std::size_t i = all.size() > kEventsKept ? all.size() - kEventsKept : 0; i < all.size(); ++i)
        view.events.push_back({all[i].time, describeEvent(host, all[i])});
    view.debugLine = fromWindows(host.debugString());
}

}  // namespace app::tui
