// The interactive view's screen: a header with time and acceleration; the focus vessel's
// state beside the open dialog (or the custom command list); the latest events; the
// host's debug line; the keys, or the question asked on quitting.
#pragma once

#include "app/tui/canvas.h"
#include "app/tui/view_model.h"

namespace app::tui {

constexpr int kMinColumns = 80;
constexpr int kMinRows = 24;

// The whole screen for a terminal of `columns` x `rows`; one that is smaller than
// kMinColumns x kMinRows gets a request to grow instead.
Screen drawScreen(const ViewModel& view, int columns, int rows);

}  // namespace app::tui
