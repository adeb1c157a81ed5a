// The headless host: one simulation with its vessels, time, camera and services. Modules
// reach it through the global host functions, which go to the current instance (see
// current_host.h); a test runs a fresh Host per case.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/module.h"
#include "host/vessel.h"
#include "sim/docking.h"
#include "sim/events.h"
#include "sim/custom_commands.h"
#include "sim/dialogs.h"
#include "sim/journal.h"
#include "sim/module_loader.h"
#include "sim/plugins.h"
#include "sim/propagator.h"
#include "sim/vessel_record.h"
#include "sim/visuals.h"

namespace sim {

struct HostOptions {
    int flightModel = 1;     // passed to ovcInit: 0 simple, 1 realistic
    double startMjd = 51544.5;  // modified Julian date at simulation time 0
    PhysicsOptions physics{};
    DockingOptions docking{};
};

class Host {
public:
    // `root` is the installation folder holding Modules/, Config/ and Meshes/. The new
    // host becomes the current one until it is destroyed.
    explicit Host(std::filesystem::path root, HostOptions options = {});
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    const std::filesystem::path& root() const { return root_; }
    const HostOptions& options() const { return options_; }

    // Creates a vessel of `className`: reads the class configuration, loads its module,
    // calls ovcInit and clbkSetClassCaps. Throws InputError (naming the file) for an unknown
    // class, a bad configuration or module; then nothing is created.
    VesselRecord& createVessel(const std::string& name, const std::string& className);
    // The same for a module linked into the calling program: its entry points are given
    // instead of being loaded, and no configuration file is read.
    struct EntryPoints {
        OvcInitFunc init;
        OvcExitFunc exit;
    };
    VesselRecord& createVessel(const std::string& name, const std::string& className, EntryPoints module);
    // clbkPostCreation for every vessel that has not had it yet.
    void finishCreation();
    // Undocks, calls ovcExit and removes the vessel.
    void destroyVessel(VesselRecord& vessel);

    std::size_t vesselCount() const { return vessels_.size(); }
    VesselRecord* vesselAt(std::size_t index) const;
    VesselRecord* findVessel(const std::string& name) const;
    bool isVessel(OBJHANDLE handle) const;

    // One time step of `dt` seconds, in this order: the modules' pre-step callbacks; the
    // motion of every vessel and superstructure; the clock; capture of ports that met; the
    // post-step callbacks; the camera; the visuals, by the camera's distance.
    void step(double dt);

    // Joins two free ports (the lighter side moves onto the other). False if refused.
    bool dock(HostDock& a, HostDock& b);
    // Separates a port from its mate with the separation speed, and keeps the pair from
    // re-joining for the suppression time. False if the port was free.
    bool undock(HostDock& port);
    double simTime() const { return simTime_; }
    double lastStep() const { return lastStep_; }
    double mjd() const { return options_.startMjd + simTime_ / 86400.0; }

    // User input: a buffered key for `vessel`'s module; the generic cockpit view.
    int pressKey(VesselRecord& vessel, DWORD key, bool down = true);
    bool loadGenericCockpit(VesselRecord& vessel);

    // The virtual cockpit. Entering loads station `id` (clbkLoadVC); a move follows the
    // links the station set with oapiVCSetNeighbours. False when the vessel refuses the
    // station or there is no link that way.
    enum class VcMove { Left, Right, Up, Down };
    bool enterVirtualCockpit(VesselRecord& vessel, int id = 0);
    bool moveVirtualCockpit(VcMove move);
    void leaveVirtualCockpit();
    int vcStation() const { return vcStation_; }
    VesselRecord* vcVessel() const { return vcVessel_; }
    // Set by oapiVCSetNeighbours while a station loads: left, right, up, down; -1 none.
    std::array<int, 4> vcNeighbours{-1, -1, -1, -1};

    // Replay of a recorded flight (VESSEL::Playback).
    bool playback = false;

    // The camera, global frame [m]. It stays where it is put, unless it follows the focus
    // vessel at a fixed global-frame offset (updated at the end of every step).
    VECTOR3 cameraPos{0.0, 0.0, 0.0};
    void placeCamera(const VECTOR3& pos);
    void followFocus(const VECTOR3& offset);
    bool cameraFollows() const { return cameraFollows_; }
    const VECTOR3& cameraOffset() const { return cameraOffset_; }
    VesselRecord* focus = nullptr;

    // The one-line debug text modules write into (oapiDebugString).
    char* debugString() { return debugLine_.data(); }
    static constexpr std::size_t kDebugLineSize = 256;

    // What happened so far (docking, undocking, actions, dialogs, debug-line changes).
    EventLog& events() { return events_; }
    const EventLog& events() const { return events_; }

    Journal& journal() { return journal_; }
    const Journal& journal() const { return journal_; }
    ModuleLoader& modules() { return loader_; }

    // Plug-ins (the program starts them with plugins().start(); they end with the host),
    // the custom commands they register and the dialogs they open.
    Plugins& plugins() { return plugins_; }
    CustomCommands& customCommands() { return commands_; }
    Dialogs& dialogs() { return dialogs_; }
    // While set, the host refuses every undocking a module asks for: VESSEL::Undock
    // answers false and the ports stay joined. The way a test makes the host say no.
    bool undockingRefused = false;

    // The vessels' visuals and mesh templates.
    Visuals& visuals() { return visuals_; }
    // Problems with input that did not stop the host (a malformed mesh file, for one),
    // each naming the file, the line and the problem, in the order met.
    const std::vector<std::string>& warnings() const { return warnings_; }
    void warn(std::string text) { warnings_.push_back(std::move(text)); }

private:
    void applyConfiguration(VesselRecord& vessel);
    void checkNewName(const std::string& name) const;
    VesselRecord& instantiate(std::unique_ptr<VesselRecord> record, OvcInitFunc init);

    std::filesystem::path root_;
    HostOptions options_;
    ModuleLoader loader_;
    std::vector<std::unique_ptr<VesselRecord>> vessels_;
    double simTime_ = 0.0;
    double lastStep_ = 0.0;
    std::array<char, kDebugLineSize> debugLine_{};
    Journal journal_;
    Host* previous_ = nullptr;
    EventLog events_;
    Propagator propagator_;
    CaptureMonitor capture_;
    bool cameraFollows_ = false;
    VECTOR3 cameraOffset_{0.0, 0.0, 0.0};
    VesselRecord* vcVessel_ = nullptr;
    int vcStation_ = -1;
    Plugins plugins_{root_};
    CustomCommands commands_;
    Dialogs dialogs_;
    Visuals visuals_{*this};
    std::vector<std::string> warnings_;
};

}  // namespace sim
