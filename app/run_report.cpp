#include "app/run_report.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "sim/earth.h"
#include "sim/orbit.h"
#include "sim/windows1252.h"

namespace app {

namespace {

using json = nlohmann::ordered_json;

json vec(const VECTOR3& v)
{
    return json::array({v.x, v.y, v.z});
}

// A number or null (JSON has no infinity).
json finite(double v)
{
    return std::isfinite(v) ? json(v) : json();
}

json orbitJson(const VECTOR3& pos, const VECTOR3& vel)
{
    const sim::OrbitElements o = sim::orbitOf(pos, vel);
    return {{"periapsisAltitude", o.periapsis - sim::earth::radius},
            {"apoapsisAltitude", finite(o.apoapsis - sim::earth::radius)},
            {"eccentricity", o.eccentricity},
            {"period", finite(o.period)},
            {"bound", o.bound()}};
}

json eventJson(const sim::HostEvent& e)
{
    json j{{"time", e.time}, {"kind", e.kind}};
    if (!e.vessel.empty())
        j["vessel"] = e.vessel;
    if (!e.text.empty())
        j["text"] = sim::utf8FromWindows1252(e.text);  // module texts are Windows-1252
    if (e.kind == "dock" || e.kind == "undock") {
        j["port"] = e.port;
        j["mate"] = e.mate;
        j["matePort"] = e.matePort;
    }
    return j;
}

}  // namespace

json runReport(sim::ScenarioRun& run, const RunRecord& record, double step)
{
    sim::Host& host = run.host();
    const Release& r = record.release();
    json events = json::array();
    for (const sim::HostEvent& e : host.events().all()) {
        json j = eventJson(e);
        if (r.happened && e.kind == "undock" && e.time == r.time && e.vessel == r.tether) {
            j["kind"] = "release";
            j["angle"] = r.angle;
        }
        events.push_back(j);
    }
    json report{{"scenario", run.scenario().file.string()}, {"step", step}, {"endTime", host.simTime()},
                {"events", events}};
    if (r.happened) {
        report["release"] = {{"time", r.time},
                             {"angle", r.angle},
                             {"angleDeg", r.angle * 180.0 / M_PI},
                             {"tether", r.tether},
                             {"payload", r.payload},
                             {"payloadSpeed", r.payloadSpeed},
                             {"centreSpeed", r.centreSpeed},
                             {"speedGain", r.payloadSpeed - r.centreSpeed},
                             {"payloadOrbit", orbitJson(r.payloadPos, r.payloadVel)},
                             {"centreOrbitBefore", orbitJson(r.centrePosBefore, r.centreVelBefore)}};
    }
    json vessels = json::array();
    for (std::size_t i = 0; i < host.vesselCount(); ++i) {
        const sim::VesselRecord& v = *host.vesselAt(i);
        vessels.push_back({{"name", v.name()},
                           {"class", v.className()},
                           {"pos", vec(v.state.pos)},
                           {"vel", vec(v.state.vel)},
                           {"mass", v.mass()},
                           {"orbit", orbitJson(v.state.pos, v.state.vel)}});
    }
    report["vessels"] = vessels;
    report["debugString"] = sim::utf8FromWindows1252(host.debugString());
    return report;
}

namespace {

std::string fmt(const char* format, double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

std::string km(const json& metres)
{
    return metres.is_null() ? "unbounded" : fmt("%.1f km", metres.get<double>() / 1000.0);
}

std::string describeEvent(const json& e)
{
    const std::string kind = e["kind"];
    if (kind == "action")
        return "action: " + e["text"].get<std::string>();
    if (kind == "release")
        return "release: " + e["vessel"].get<std::string>() + " port " + std::to_string(e["port"].get<int>()) +
               " lets go of " + e["mate"].get<std::string>() + ", payload angle " +
               fmt("%.6f rad", e["angle"].get<double>()) + fmt(" (%.4f deg)", e["angle"].get<double>() * 180 / M_PI);
    if (kind == "dock" || kind == "undock")
        return kind + ": " + e["vessel"].get<std::string>() + " port " + std::to_string(e["port"].get<int>()) +
               (kind == "dock" ? " to " : " from ") + e["mate"].get<std::string>() + " port " +
               std::to_string(e["matePort"].get<int>());
    if (kind == "debug")
        return "debug line: \"" + e.value("text", std::string()) + "\"";
    if (kind == "dialog-open" || kind == "dialog-close")
        return std::string(kind == "dialog-open" ? "dialog opened: " : "dialog closed: ") + e.value("text", std::string());
    if (kind == "control-text")
        return "dialog shows \"" + e.value("text", std::string()) + "\"";
    return kind + (e.contains("text") ? ": " + e["text"].get<std::string>() : std::string());
}

void renderOrbit(std::ostringstream& out, const json& o)
{
    out << "periapsis " << km(o["periapsisAltitude"]) << ", apoapsis " << km(o["apoapsisAltitude"])
        << fmt(", e %.5f", o["eccentricity"].get<double>());
    if (!o["period"].is_null())
        out << fmt(", period %.1f min", o["period"].get<double>() / 60.0);
    out << "\n";
}

}  // namespace

std::string renderRunReport(const json& report)
{
    std::ostringstream out;
    out << "Scenario " << report["scenario"].get<std::string>() << fmt(", step %g s", report["step"].get<double>())
        << fmt(", ran to t = %.1f s\n\nTimeline\n", report["endTime"].get<double>());
    for (const json& e : report["events"])
        out << fmt("  %10.2f s  ", e["time"].get<double>()) << describeEvent(e) << "\n";
    if (report.contains("release")) {
        const json& r = report["release"];
        out << "\nRelease at t = " << fmt("%.2f s", r["time"].get<double>()) << ", payload angle "
            << fmt("%.6f rad", r["angle"].get<double>()) << fmt(" (%.4f deg)\n", r["angleDeg"].get<double>());
        out << "  payload speed " << fmt("%.1f m/s", r["payloadSpeed"].get<double>()) << ", centre of gravity "
            << fmt("%.1f m/s", r["centreSpeed"].get<double>()) << ", gain "
            << fmt("%+.1f m/s\n", r["speedGain"].get<double>());
        out << "  centre of gravity before: ";
        renderOrbit(out, r["centreOrbitBefore"]);
        out << "  payload after:            ";
        renderOrbit(out, r["payloadOrbit"]);
    } else {
        out << "\nNo payload was released.\n";
    }
    out << "\nVessels at the end\n";
    for (const json& v : report["vessels"]) {
        out << "  " << v["name"].get<std::string>() << " (" << v["class"].get<std::string>() << ")"
            << fmt(", %.1f kg: ", v["mass"].get<double>());
        renderOrbit(out, v["orbit"]);
    }
    return out.str();
}

}  // namespace app
