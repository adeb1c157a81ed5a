// Host-side records of what a vessel module declares: the objects behind the opaque
// handles of host/handles.h.
#pragma once

#include <string>
#include <vector>

#include "host/records.h"
#include "host/vector.h"

namespace sim {
class VesselRecord;
}

struct HostObject {};  // base of sim::VesselRecord

struct HostPropellant {
    double maxMass = 0.0;     // [kg]
    double mass = 0.0;        // [kg]
    double efficiency = 1.0;  // 0..1
};

struct HostDock {
    sim::VesselRecord* owner = nullptr;
    int index = 0;           // port number on its vessel
    VECTOR3 pos{};           // vessel frame [m]
    VECTOR3 dir{};           // approach direction, unit
    VECTOR3 rot{};           // rotation reference, unit
    HostDock* mate = nullptr;  // the port this one is docked to
};

struct HostThruster {
    VECTOR3 pos{};               // vessel frame [m]
    VECTOR3 dir{};               // thrust direction, unit
    double maxThrust = 0.0;      // vacuum [N]
    HostPropellant* tank = nullptr;
    double isp = 0.0;            // vacuum specific impulse [m/s]
    double ispRef = 0.0;         // specific impulse at pRef [m/s]
    double pRef = 101.4e3;       // reference pressure [Pa]
    double level = 0.0;          // throttle 0..1
};

struct HostThrusterGroup {
    std::vector<HostThruster*> thrusters;
    THGROUP_TYPE type = THGROUP_MAIN;
    double level = 0.0;  // 0..1
};

namespace sim {

struct MeshEntry {
    std::string name;   // mesh name as given to AddMesh (no extension)
    VECTOR3 offset{};   // vessel frame [m]
    WORD visibility = MESHVIS_EXTERNAL;
};

struct CameraSettings {
    VECTOR3 offset{};                // vessel frame [m]
    VECTOR3 direction{0.0, 0.0, 1.0};  // default view direction, unit
    double tilt = 0.0;               // about the direction [rad]
    double left = 0.0, right = 0.0, up = 0.0, down = 0.0;  // rotation range [rad]
};

}  // namespace sim
