#include "app/track_output.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

#include "sim/earth.h"
#include "sim/orbit.h"

namespace app {

namespace {

std::ofstream openOut(const std::filesystem::path& file)
{
    std::ofstream out(file);
    if (!out)
        throw std::runtime_error(file.string() + ": cannot write");
    out.precision(10);
    return out;
}

// Points of the orbit through (pos, vel) over one period, or over two hours when it is
// open, projected onto the plane with axes ex, ey [km].
void writeOrbit(std::ofstream& out, const VECTOR3& pos, const VECTOR3& vel, const VECTOR3& ex, const VECTOR3& ey)
{
    const sim::OrbitElements o = sim::orbitOf(pos, vel);
    constexpr int kPoints = 360, kSubsteps = 20;
    VECTOR3 p = pos, v = vel;
    const double span = o.bound() ? o.period : 7200.0;
    const double h = span / kPoints / kSubsteps;
    for (int i = 0; i <= kPoints; ++i) {
        if (o.bound()) {
            sim::keplerPropagate(pos, vel, span * i / kPoints, p, v);
        } else if (i > 0) {  // semi-implicit Euler: plenty for a picture
            for (int k = 0; k < kSubsteps; ++k) {
                const double r = length(p);
                v += p * (-sim::earth::mu / (r * r * r)) * h;
                p += v * h;
            }
        }
        out << dotp(p, ex) / 1000 << " " << dotp(p, ey) / 1000 << "\n";
    }
    out << "\n\n";
}

bool haveGnuplot()
{
    return std::system("command -v gnuplot >/dev/null 2>&1") == 0;
}

std::string quotedPath(const std::filesystem::path& p)
{
    return "'" + p.string() + "'";
}

}  // namespace

void writeTracksCsv(const RunRecord& record, const std::filesystem::path& file)
{
    std::ofstream out = openOut(file);
    out << "vessel,time,x,y,z,vx,vy,vz,mass,altitude\n";
    for (std::size_t i = 0; i < record.names().size(); ++i) {
        for (const TrackSample& s : record.tracks()[i]) {
            out << record.names()[i] << "," << s.time << "," << s.pos.x << "," << s.pos.y << "," << s.pos.z << ","
                << s.vel.x << "," << s.vel.y << "," << s.vel.z << "," << s.mass << ","
                << length(s.pos) - sim::earth::radius << "\n";
        }
    }
}

namespace {

// Panel 1: the payload angle with the release marked; without a tether, the altitudes.
void writeTimePanel(const RunRecord& record, const std::filesystem::path& dir, std::ofstream& script)
{
    std::ofstream data = openOut(dir / "time.dat");
    std::string plot;
    if (!record.angles().empty()) {
        for (const auto& [t, a] : record.angles())
            data << t << " " << a * 180.0 / M_PI << "\n";
        script << "set title 'Payload angle'\nset ylabel 'angle [deg]'\n";
        plot = "plot " + quotedPath(dir / "time.dat") + " using 1:2 with lines title 'payload angle'\n";
        const Release& r = record.release();
        if (r.happened)
            script << "set arrow from " << r.time << ", graph 0 to " << r.time << ", graph 1 nohead lc rgb 'red'\n"
                   << "set label 'release' at " << r.time << ", graph 0.95 left offset 0.5,0 tc rgb 'red'\n";
    } else {
        script << "set title 'Altitude'\nset ylabel 'altitude [km]'\n";
        plot = "plot";
        for (std::size_t i = 0; i < record.names().size(); ++i) {
            for (const TrackSample& s : record.tracks()[i])
                data << s.time << " " << (length(s.pos) - sim::earth::radius) / 1000 << "\n";
            data << "\n\n";
            plot += std::string(i ? "," : "") + " " + quotedPath(dir / "time.dat") + " index " + std::to_string(i) +
                    " using 1:2 with lines title '" + record.names()[i] + "'";
        }
        plot += "\n";
    }
    script << "set xlabel 'time [s]'\nset grid\n" << plot << "unset arrow\nunset label\n";
}

// Panel 2: orbits in the plane of the first one: before and after the release, or each
// vessel's orbit at the start and at the end.
void writeOrbitPanel(const RunRecord& record, const std::filesystem::path& dir, std::ofstream& script)
{
    std::ofstream data = openOut(dir / "orbits.dat");
    std::vector<std::string> titles;
    std::vector<std::pair<VECTOR3, VECTOR3>> states;
    const Release& r = record.release();
    if (r.happened) {
        states = {{r.centrePosBefore, r.centreVelBefore}, {r.payloadPos, r.payloadVel}};
        titles = {"centre of gravity before", "payload after"};
        for (std::size_t i = 0; i < record.names().size(); ++i) {
            if (record.names()[i] == r.tether && record.tracks()[i].back().time > r.time) {
                states.push_back({record.tracks()[i].back().pos, record.tracks()[i].back().vel});
                titles.push_back("tether after");
            }
        }
    } else {
        for (std::size_t i = 0; i < record.names().size(); ++i) {
            const auto& track = record.tracks()[i];
            states.push_back({track.front().pos, track.front().vel});
            states.push_back({track.back().pos, track.back().vel});
            titles.push_back(record.names()[i] + " at the start");
            titles.push_back(record.names()[i] + " at the end");
        }
    }
    VECTOR3 ex{1, 0, 0}, ey{0, 1, 0};
    if (!states.empty()) {
        ex = unit(states.front().first);
        ey = unit(crossp(unit(crossp(states.front().first, states.front().second)), ex));
    }
    std::string plot = "plot";
    for (std::size_t i = 0; i < states.size(); ++i) {
        writeOrbit(data, states[i].first, states[i].second, ex, ey);
        plot += " " + quotedPath(dir / "orbits.dat") + " index " + std::to_string(i) + " with lines title '" +
                titles[i] + "',";
    }
    for (int i = 0; i <= 360; ++i) {
        const double a = 2 * M_PI * i / 360.0;
        data << sim::earth::radius / 1000 * std::cos(a) << " " << sim::earth::radius / 1000 * std::sin(a) << "\n";
    }
    plot += " " + quotedPath(dir / "orbits.dat") + " index " + std::to_string(states.size()) +
            " with lines lc rgb 'blue' title 'Earth'\n";
    script << "set title 'Orbits'\nset xlabel 'km'\nset ylabel 'km'\nset size ratio -1\n" << plot;
}

}  // namespace

void writePlot(const RunRecord& record, const std::filesystem::path& file)
{
    if (!haveGnuplot())
        throw std::runtime_error("--plot needs gnuplot, which is not installed (tools/setup installs it)");
    const auto dir = std::filesystem::temp_directory_path() / ("veskar-plot-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    {
        std::ofstream script = openOut(dir / "plot.gp");
        script << "set terminal pngcairo size 1200,600\nset output " << quotedPath(file) << "\n"
               << "set multiplot layout 1,2\n";
        writeTimePanel(record, dir, script);
        writeOrbitPanel(record, dir, script);
        script << "unset multiplot\n";
    }
    const int status =
        std::system(("gnuplot " + quotedPath(dir / "plot.gp") + " 2>" + quotedPath(dir / "err.txt")).c_str());
    std::ifstream err(dir / "err.txt");
    const std::string why((std::istreambuf_iterator<char>(err)), std::istreambuf_iterator<char>());
    std::filesystem::remove_all(dir);
    if (status != 0)
        throw std::runtime_error(file.string() + ": gnuplot failed: " + why);
}

}  // namespace app
