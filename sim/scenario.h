// Scenario files (*.scn): the starting state of a simulation and, as our extension, a
// timed list of the user's actions.
//
//   BEGIN_DESC ... END_DESC                 free text
//   BEGIN_ENVIRONMENT                       System <name>, Date MJD <mjd>
//   BEGIN_FOCUS                             Ship <name>
//   BEGIN_CAMERA                            Follow x y z | Position x y z   (global frame, m)
//   BEGIN_SHIPS                             vessel blocks: "Name:Class" ... END
//   BEGIN_ACTIONS                           "<time> <action> [arguments]", one a line
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/vector.h"

namespace sim {

struct ScenarioVessel {
    std::string name;
    std::string className;
    int line = 0;                   // where its block opens
    VECTOR3 rpos{};                 // [m], global frame, relative to Earth
    VECTOR3 rvel{};                 // [m/s]
    VECTOR3 arot{};                 // attitude angles [deg]
    VECTOR3 vrot{};                 // angular velocity, vessel frame [deg/s]
    std::vector<std::pair<int, double>> propellantLevels;  // resource index, 0..1
    std::vector<std::pair<int, double>> thrusterLevels;    // thruster index, 0..1
    struct Dock {
        int port;
        int matePort;
        std::string mate;
        int line;
    };
    std::vector<Dock> docks;
};

struct ScenarioAction {
    double time = 0.0;              // simulation time [s]
    std::string kind;               // see actions.h
    std::vector<std::string> args;
    int line = 0;
};

struct ScenarioCamera {
    bool follow = true;             // follow the focus at `offset`, or stay at `position`
    VECTOR3 offset{0.0, 0.0, 0.0};  // [m], global frame
    VECTOR3 position{0.0, 0.0, 0.0};
    bool given = false;
};

struct Scenario {
    std::filesystem::path file;
    std::string description;
    std::string system = "Earth";
    double mjd = 51544.5;
    std::string focus;
    ScenarioCamera camera;
    std::vector<ScenarioVessel> vessels;
    std::vector<ScenarioAction> actions;

    const ScenarioVessel* findVessel(const std::string& name) const;
};

// Reads a scenario. Throws InputError naming the file, the line and the problem; a
// scenario is either read whole or not at all.
Scenario readScenario(const std::filesystem::path& file);
Scenario parseScenario(const std::string& text, const std::filesystem::path& file);

// Writes a scenario in the same format; numbers with full precision so that reading it
// back gives the same values.
std::string formatScenario(const Scenario& scenario);

}  // namespace sim
