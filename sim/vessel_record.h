// The host's record of one vessel: identity, the module object, what the module declared
// and the vessel's dynamic state.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/module.h"
#include "host/vessel.h"
#include "sim/class_config.h"
#include "sim/mat3.h"
#include "sim/vessel_parts.h"

struct HostFile {
    const sim::ClassConfig* config = nullptr;
};

namespace sim {

class LoadedModule;

// Dynamic state in the global frame, about the vessel's centre of gravity.
struct KinematicState {
    VECTOR3 pos{};         // relative to the reference body [m]
    VECTOR3 vel{};         // [m/s]
    Mat3 R;                // vessel frame -> global frame
    VECTOR3 omegaBody{};   // angular velocity, vessel frame [rad/s]
};

class VesselRecord : public HostObject {
public:
    VesselRecord(std::string name, std::string className) : name_(std::move(name)), className_(std::move(className)) {}

    OBJHANDLE handle() { return this; }
    const std::string& name() const { return name_; }
    const std::string& className() const { return className_; }

    // The module's object (or the host's own VESSEL2 for a class without a module).
    VESSEL* iface = nullptr;
    VESSEL2* callbacks() const { return iface && iface->Version() >= 2 ? static_cast<VESSEL2*>(iface) : nullptr; }
    LoadedModule* module = nullptr;  // null: a class described by its configuration alone
    OvcExitFunc exitFn = nullptr;    // the module's ovcExit
    std::unique_ptr<VESSEL2> ownObject;  // the host's object for a class without a module
    ClassConfig config;
    HostFile configFile;

    // What the vessel declared.
    double emptyMass = 0.0;     // [kg]
    VECTOR3 pmi{0.0, 0.0, 0.0}; // mass-normalised principal moments [m^2]
    double size = 1.0;          // mean radius [m]
    double clipRadius = 0.0;    // [m]
    double visibilityLimit = 0.0;
    double spotLimit = -1.0;
    std::vector<MeshEntry> meshes;
    std::vector<std::unique_ptr<HostDock>> docks;
    std::vector<BEACONLIGHTSPEC*> beacons;  // module-owned records, read afresh
    std::vector<std::unique_ptr<HostPropellant>> propellants;
    HostPropellant* defaultPropellant = nullptr;
    std::vector<std::unique_ptr<HostThruster>> thrusters;
    std::vector<std::unique_ptr<HostThrusterGroup>> thrusterGroups;
    CameraSettings camera;

    KinematicState state;
    bool postCreationDone = false;
    unsigned physicsMark = 0;  // the propagator's visit mark

    double propellantMass() const;
    double mass() const { return emptyMass + propellantMass(); }
    int dockIndex(const HostDock* dock) const;

private:
    std::string name_;
    std::string className_;
};

inline VesselRecord& recordOf(OBJHANDLE h) { return *static_cast<VesselRecord*>(h); }
inline VesselRecord& recordOf(const VESSEL* v) { return recordOf(v->GetHandle()); }

}  // namespace sim
