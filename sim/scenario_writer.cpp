// Writing scenario files.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "sim/scenario.h"

namespace sim {

namespace {

// Shortest text that reads back as the same double.
std::string num(double v)
{
    char buf[32];
    for (int precision = 6; precision <= 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, v);
        if (std::strtod(buf, nullptr) == v)
            break;
    }
    return buf;
}

std::string vec(const VECTOR3& v)
{
    return num(v.x) + " " + num(v.y) + " " + num(v.z);
}

// A word as the reader splits it back out: in quotes when empty or when it holds any
// character the reader takes for a space.
std::string quoted(const std::string& word)
{
    const bool plain = !word.empty() && std::none_of(word.begin(), word.end(), [](char c) {
        return std::isspace(static_cast<unsigned char>(c)) != 0;
    });
    return plain ? word : "\"" + word + "\"";
}

void writeVessel(std::ostringstream& out, const ScenarioVessel& v)
{
    out << "  " << v.name << ":" << v.className << "\n";
    out << "  STATUS Orbiting Earth\n";
    out << "  RPOS " << vec(v.rpos) << "\n";
    out << "  RVEL " << vec(v.rvel) << "\n";
    out << "  AROT " << vec(v.arot) << "\n";
    if (v.vrot.x != 0.0 || v.vrot.y != 0.0 || v.vrot.z != 0.0)
        out << "  VROT " << vec(v.vrot) << "\n";
    const auto levels = [&](const char* key, const std::vector<std::pair<int, double>>& list) {
        if (list.empty())
            return;
        out << "  " << key;
        for (const auto& [i, level] : list)
            out << " " << i << ":" << num(level);
        out << "\n";
    };
    levels("PRPLEVEL", v.propellantLevels);
    levels("THLEVEL", v.thrusterLevels);
    if (!v.docks.empty()) {
        out << "  DOCKINFO";
        for (const auto& d : v.docks)
            out << " " << d.port << ":" << d.matePort << "," << d.mate;
        out << "\n";
    }
    out << "  END\n";
}

}  // namespace

std::string formatScenario(const Scenario& s)
{
    std::ostringstream out;
    out << "BEGIN_DESC\n" << s.description << "END_DESC\n\n";
    out << "BEGIN_ENVIRONMENT\n  System " << s.system << "\n  Date MJD " << num(s.mjd) << "\nEND_ENVIRONMENT\n\n";
    if (!s.focus.empty())
        out << "BEGIN_FOCUS\n  Ship " << s.focus << "\nEND_FOCUS\n\n";
    if (s.camera.given) {
        out << "BEGIN_CAMERA\n";
        if (s.camera.follow)
            out << "  Follow " << vec(s.camera.offset) << "\n";
        else
            out << "  Position " << vec(s.camera.position) << "\n";
        out << "END_CAMERA\n\n";
    }
    out << "BEGIN_SHIPS\n";
    for (const auto& v : s.vessels)
        writeVessel(out, v);
    out << "END_SHIPS\n";
    if (!s.actions.empty()) {
        out << "\nBEGIN_ACTIONS\n";
        for (const auto& a : s.actions) {
            out << "  " << num(a.time) << " " << a.kind;
            for (const auto& arg : a.args)
                out << " " << quoted(arg);
            out << "\n";
        }
        out << "END_ACTIONS\n";
    }
    return out.str();
}

}  // namespace sim
