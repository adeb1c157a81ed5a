// What the program keeps of a run for its report, tracks and plot: samples of every
// vessel's state and of the payload angle, and the state around the release.
#pragma once

#include <string>
#include <vector>

#include "app/payload_angle.h"
#include "sim/host.h"

namespace app {

struct TrackSample {
    double time;       // [s]
    VECTOR3 pos, vel;  // global frame [m], [m/s]
    double mass;       // [kg]
};

struct Release {
    bool happened = false;
    double time = 0.0;          // [s]
    double angle = 0.0;         // payload angle in that step [rad]
    std::string tether, payload;
    double payloadSpeed = 0.0;  // just after [m/s]
    double centreSpeed = 0.0;   // the superstructure's centre of gravity, just before [m/s]
    VECTOR3 payloadPos{}, payloadVel{};
    VECTOR3 centrePosBefore{}, centreVelBefore{};  // the whole's centre of gravity, just before
};

class RunRecord {
public:
    explicit RunRecord(double sampleInterval) : interval_(sampleInterval) {}
    // Called after every step (and once at the start).
    void observe(sim::Host& host);

    const std::vector<std::string>& names() const { return names_; }
    const std::vector<std::string>& classes() const { return classes_; }
    const std::vector<std::vector<TrackSample>>& tracks() const { return tracks_; }
    const std::vector<std::pair<double, double>>& angles() const { return angles_; }
    const Release& release() const { return release_; }

private:
    void sample(sim::Host& host);
    void noteRelease(sim::Host& host);

    double interval_;
    double nextSample_ = 0.0;
    std::size_t eventsSeen_ = 0;
    std::vector<std::string> names_, classes_;
    std::vector<std::vector<TrackSample>> tracks_;  // per vessel, in names_ order
    std::vector<std::pair<double, double>> angles_; // (time, payload angle) while docked
    Release release_;
};

}  // namespace app
