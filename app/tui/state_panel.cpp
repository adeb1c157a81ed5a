#include "app/tui/state_panel.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace app::tui {

namespace {

constexpr double kKilometre = 1000.0;  // [m]
constexpr double kMinute = 60.0;       // [s]

std::string row(const char* label, const std::string& value)
{
    return formatted("%-10s%s", label, value.c_str());
}

void addOrbit(std::vector<std::string>& lines, const OrbitState& o)
{
    if (o.bound) {
        lines.push_back(row("Orbit", formatted("Pe %.1f km, Ap %.1f km", o.periapsisAltitude / kKilometre,
                                               o.apoapsisAltitude / kKilometre)));
        lines.push_back(row("", formatted("e %.6f, T %.2f min", o.eccentricity, o.period / kMinute)));
    } else {
        lines.push_back(row("Orbit", formatted("Pe %.1f km, escaping", o.periapsisAltitude / kKilometre)));
        lines.push_back(row("", formatted("e %.6f", o.eccentricity)));
    }
}

void addTether(std::vector<std::string>& lines, const TetherState& t)
{
    lines.push_back(row("Spin", t.spinRate > 0.0 ? formatted("%.3f deg/s, turn %.0f s", t.spinRate, 360.0 / t.spinRate)
                                                 : std::string("none")));
    lines.push_back(row("Payload", t.payload.empty() ? std::string("none") : t.payload));
    lines.push_back(row("Angle", std::isnan(t.payloadAngle) ? std::string("-") : formatted("%+.2f\u00B0", t.payloadAngle)));
}

std::string lightsText(const FocusState& f)
{
    if (f.lights == 0)
        return "none";
    const char* state = f.lightsOn == f.lights ? "on" : f.lightsOn == 0 ? "off" : "partly on";
    return formatted("%s, %d of %d (L)", state, f.lightsOn, f.lights);
}

}  // namespace

std::string formatted(const char* format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string s(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0)
        std::vsnprintf(s.data(), s.size() + 1, format, again);
    va_end(again);
    return s;
}

std::vector<std::string> focusLines(const ViewModel& view)
{
    std::vector<std::string> lines;
    if (!view.focus) {
        lines.push_back(row("Focus", "none"));
    } else {
        const FocusState& f = *view.focus;
        lines.push_back(row("Focus", f.name + " (" + f.className + ")"));
        lines.push_back(row("Altitude", formatted("%.2f km", f.altitude / kKilometre)));
        lines.push_back(row("Speed", formatted("%.2f m/s", f.speed)));
        addOrbit(lines, f.orbit);
        if (f.tether)
            addTether(lines, *f.tether);
        lines.push_back(row("Lights", lightsText(f)));
    }
    return lines;
}

std::string vesselsLine(const ViewModel& view)
{
    std::string s;
    for (std::size_t i = 0; i < view.vessels.size(); ++i) {
        const bool focused = static_cast<int>(i) == view.focusIndex;
        s += (i ? " " : "") + (focused ? "[" + view.vessels[i] + "]" : view.vessels[i]);
    }
    return row("Vessels", s + " (Tab: next)");
}

std::string commandsLine(const ViewModel& view)
{
    std::string s;
    for (const std::string& c : view.commands)
        s += (s.empty() ? "" : "; ") + c;
    return row("Commands", (s.empty() ? std::string("none") : s) + " (F4)");
}

}  // namespace app::tui
