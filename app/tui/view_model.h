// What the interactive view shows, taken from the host once a frame: plain values the
// drawing turns into text, so that it needs neither a host nor a terminal. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace app::tui {

struct OrbitState {
    bool bound = true;
    double periapsisAltitude = 0.0;  // [m] above the mean radius
    double apoapsisAltitude = 0.0;   // [m]; meaningless when not bound
    double eccentricity = 0.0;
    double period = 0.0;             // [s]; meaningless when not bound
};

// A tether's own figures.
struct TetherState {
    double spinRate = 0.0;      // magnitude of the angular velocity [deg/s]
    std::string payload;        // the vessel docked at the payload port; empty: none
    double payloadAngle = 0.0;  // [deg]; NaN without a payload
};

struct FocusState {
    std::string name;
    std::string className;
    double altitude = 0.0;  // [m] above the mean radius
    double speed = 0.0;     // [m/s], relative to the reference body
    OrbitState orbit;
    std::optional<TetherState> tether;
    int lightsOn = 0;       // beacons shining
    int lights = 0;         // beacons the vessel has
};

// A control of a dialog as its template placed it, with its text now.
struct ControlState {
    int id = 0;
    std::string className;  // lower case: "button", "static", ...
    std::string text;
    std::uint32_t style = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units, from the dialog's client corner
};

struct DialogState {
    std::string title;
    bool captionClose = false;  // a close button in the caption
    int cx = 0, cy = 0;         // client size [dialog units]
    std::vector<ControlState> controls;  // in template order
};

struct EventLine {
    double time = 0.0;  // [s]
    std::string text;
};

// The custom command list, while it is open.
struct CommandMenu {
    int selected = 0;
};

// The question asked on quitting: where to save the state.
struct QuitPrompt {
    std::string file;     // as typed so far
    std::string problem;  // why the last save failed; empty when it did not
};

struct ViewModel {
    std::string scenario;          // the scenario's file name
    double simTime = 0.0;          // [s]
    int timeAcceleration = 1;
    bool paused = false;
    bool behind = false;           // stepping could not keep up with the acceleration
    std::optional<FocusState> focus;
    std::vector<std::string> vessels;
    int focusIndex = -1;           // into `vessels`
    std::vector<std::string> commands;  // custom command labels, in registration order
    std::optional<CommandMenu> menu;
    std::optional<DialogState> dialog;  // the topmost open dialog
    std::vector<EventLine> events;      // the latest last
    std::string debugLine;
    std::optional<QuitPrompt> quitPrompt;
};

}  // namespace app::tui
