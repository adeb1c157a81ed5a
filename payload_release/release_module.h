// VeskarPayloadRelease: a plug-in with one custom command, which opens a dialog that shows
// the Veskar tether's payload angle and, once armed, releases the payload in the time
// step before that angle falls through zero from positive values.
//
// The module state and what the plug-in's files share. Everything runs on the host's
// one simulation thread.
#pragma once

#include <cstddef>

#include "host/host.h"
#include "payload_release/resource.h"
#include "veskar/veskar.h"

namespace payload_release {

// Module state, from load to unload.
extern HINSTANCE moduleInstance;  // given to InitModule; opens and finds the dialog
extern DWORD commandId;           // the registered command's id, withdrawn by ExitModule
extern Veskar* tetherVessel;      // the tether the command found last; not owned
extern bool armed;                // the automatic release is armed
extern double refreshTimer;       // simulation time since the angle text was written [s]
extern double previousAngle;      // the angle at the last step with the dialog open and a payload docked [rad]

constexpr double kRefreshInterval = 0.1;     // between writes of the angle text [s]
constexpr std::size_t kDebugLineSize = 256;  // the host's debug line holds at least this [bytes]
constexpr const char* kArmText = "Arm Payload Release";
constexpr const char* kDisarmText = "Disarm Payload Release";

// The custom command: opens the dialog and finds the tether vessel.
void openReleaseDialog(void* context);
// The dialog's procedure: button 1 arms and disarms, cancel closes.
INT_PTR CALLBACK releaseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Sets `armed` and button 1's caption with it.
void setArmed(HWND dialog, bool on);
// `tetherVessel` while the host still has it among its vessels as a "Veskar"; otherwise
// null, and `tetherVessel` is cleared. A deleted tether is never called.
Veskar* liveTether();
// Without a tether: disarms, writes "Veskar-class vessel not found!" into the debug line
// and closes the dialog.
void closeWithoutTether(HWND dialog);
// Writes a message into the host's debug line, replacing what was there.
void showMessage(const char* text);

}  // namespace payload_release
