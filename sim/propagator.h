// Moves every free vessel and every superstructure through one time step: gravity,
// thrust with propellant flow, rigid-body rotation with the gravity-gradient torque.
// Vessels whose centre of gravity lies below Earth's mean surface are not in flight and
// stay where they are (the host has no surface contact model).
#pragma once

#include <vector>

#include "sim/composite.h"
#include "sim/rigid_body.h"

namespace sim {

class Host;

struct PhysicsOptions {
    bool gravityGradient = true;  // gravity-gradient torque on every body
};

class Propagator {
public:
    // Advances all vessels of `host` by dt [s].
    void step(Host& host, double dt, const PhysicsOptions& options);

private:
    void stepGroup(double dt, const PhysicsOptions& options);
    // Thrust loads of the current group; the time [s] until the first tank in use runs
    // dry (infinity when none does).
    double thrustLoads(BodyLoads& loads) const;
    void burn(double h);
    void writeBack(const BodyState& s);

    std::vector<VesselRecord*> group_;  // scratch, kept to avoid allocation per step
    std::vector<VesselRecord*> queue_;
    Composite composite_;
    unsigned mark_ = 0;
};

}  // namespace sim
