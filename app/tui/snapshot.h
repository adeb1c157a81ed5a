// The view's picture of a host: the focus vessel's state, the vessels, the custom
// commands, the topmost open dialog, the latest events and the debug line.
#pragma once

#include <string>

#include "app/tui/view_model.h"
#include "sim/host.h"

namespace app::tui {

// How many of the latest events a snapshot keeps.
constexpr std::size_t kEventsKept = 64;

// Fills the host's part of `view`; the rest (scenario, clock, menu, prompt) is the
// session's.
void snapshotHost(sim::Host& host, ViewModel& view);

FocusState focusState(sim::VesselRecord& vessel);
DialogState dialogState(const sim::DialogWindow& dialog);
// One line for a host event.
std::string describeEvent(sim::Host& host, const sim::HostEvent& event);

}  // namespace app::tui
