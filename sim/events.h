// What happened in a run, as the host saw it: for the run report and the tests.
#pragma once

#include <string>
#include <vector>

#include "host/vector.h"

namespace sim {

struct HostEvent {
    double time = 0.0;     // simulation time [s]
    std::string kind;      // "action", "command", "dialog-open", "dialog-close", "control-text",
                           // "dock", "undock", "debug"
    std::string vessel;    // the vessel it concerns, if any
    std::string text;      // action line, command label, control text, debug line...
    int port = -1;         // dock and undock: the port of `vessel`
    std::string mate;      // dock and undock: the other vessel
    int matePort = -1;
    // Undock: the motion just before the parts separated (global frame).
    VECTOR3 vesselPos{}, vesselVel{};   // of `vessel` [m], [m/s]
    VECTOR3 portPos{};                  // the port [m]
    VECTOR3 superstructureCg{};         // the whole's centre of gravity [m]
    VECTOR3 superstructureVel{};        // and its velocity [m/s]
    // Undock: the mate's motion just after the parts separated.
    VECTOR3 matePos{}, mateVel{};
};

class EventLog {
public:
    void add(HostEvent e) { events_.push_back(std::move(e)); }
    const std::vector<HostEvent>& all() const { return events_; }
    void clear() { events_.clear(); }

private:
    std::vector<HostEvent> events_;
};

}  // namespace sim
