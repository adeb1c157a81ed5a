// An interactive session: a scenario's run stepped in real time (or faster) at a fixed
// step, driven by the user's keys, seen through view models. No terminal in here: the
// caller reads the clock and the keys and draws.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/tui/keys.h"
#include "app/tui/view_model.h"
#include "sim/scenario_run.h"

namespace app::tui {

struct SessionOptions {
    double step = 0.1;                // the fixed physics step [s of simulation]
    std::filesystem::path saveFile;   // offered when quitting
    bool paused = false;              // at the start
};

constexpr int kTimeAccelerations[] = {1, 10, 100, 1000};
// The longest stretch of real time one advance() catches up with [s].
constexpr double kLongestCatchUp = 1.0;

class Session {
public:
    // `run` is stepped from its host's current time; it outlives the session.
    Session(sim::ScenarioRun& run, SessionOptions options);

    // Steps as much simulation time as `wallSeconds` of real time make at the current
    // acceleration, in whole steps, carrying the remainder over to the next call. Nothing
    // while paused or while the quit prompt is open. Once `outOfTime` says so, the rest is
    // dropped and the view shows that the simulation fell behind.
    void advance(double wallSeconds, const std::function<bool()>& outOfTime = {});

    void press(const Key& key);

    ViewModel view();

    // The user quit: after saving, or choosing not to.
    bool finished() const { return finished_; }
    // Where the state was saved on quitting; empty when it was not.
    const std::filesystem::path& savedTo() const { return savedTo_; }

    int timeAcceleration() const { return kTimeAccelerations[acceleration_]; }
    bool paused() const { return paused_; }

private:
    void stepOnce();
    // A changed debug line goes into the host's event log, as in a scripted run.
    void noteDebugLine();
    void pressInView(const Key& key);
    void pressInMenu(const Key& key);
    void pressInPrompt(const Key& key);
    void tapVesselKey(DWORD scanCode);
    void switchFocus();
    void runCommand(std::size_t index);
    void quit();

    sim::ScenarioRun& run_;
    SessionOptions options_;
    int acceleration_ = 0;  // into kTimeAccelerations
    bool paused_ = false;
    bool behind_ = false;
    double owed_ = 0.0;     // simulation time due but not yet stepped [s]
    std::string lastDebugLine_;
    std::optional<CommandMenu> menu_;
    std::optional<QuitPrompt> prompt_;
    bool finished_ = false;
    std::filesystem::path savedTo_;
};

}  // namespace app::tui
