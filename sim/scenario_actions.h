// The user's timed actions in a scenario (BEGIN_ACTIONS), an extension of the scenario
// format. Each line is "<time> <action> [arguments]", time in seconds from the start:
//
//   command "<label>"              pick a custom command by its label
//   click <control id>             click a control (button) of the open dialog
//   enter | esc                    press Enter (the default button) or Esc in the dialog
//   key <L|ENTER|ESC|0xNN> [up]    a buffered key for the focus vessel (down unless "up")
//   thrust <vessel> <main|retro|hover|N> <level>   a thruster group's level, 0..1
//   vc <id|left|right|up|down|leave>               the virtual cockpit
//   camera follow <x> <y> <z>      follow the focus at this global offset [m]
//   camera place <x> <y> <z>       put the camera at this global position [m]
//   focus <vessel>                 switch the focus
//   visual <vessel> <create|destroy>               a vessel's visual, on request
#pragma once

#include <optional>
#include <string>

#include "host/platform.h"
#include "sim/scenario.h"

namespace sim {

class Host;

// The problem with an action's form (kind and arguments), or "" when it is well formed.
std::string checkAction(const ScenarioAction& action);

// The problem an action would meet in `host` as it stands now (a vessel or command that
// does not exist), or "": checked for every action before a run starts.
std::string checkActionTarget(Host& host, const ScenarioAction& action);

// Carries out an action. Throws InputError (with the action's line) when it cannot.
void runAction(Host& host, const ScenarioAction& action, const std::filesystem::path& file);

// A key name or code as a scan code; nothing when unknown.
std::optional<DWORD> keyCode(const std::string& name);

}  // namespace sim
