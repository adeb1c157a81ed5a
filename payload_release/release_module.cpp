// VeskarPayloadRelease's module state and its load and unload entry points: the custom
// command is registered on load and withdrawn on unload.

#include "payload_release/release_module.h"

namespace payload_release {

HINSTANCE moduleInstance = nullptr;
DWORD commandId = 0;
Veskar* tetherVessel = nullptr;
bool armed = false;
double refreshTimer = 0.0;
double previousAngle = 0.0;

namespace {
constexpr const char* kCommandLabel = "Veskar Payload Release";
constexpr const char* kCommandDescription = "Opens the Veskar Payload Release dialog";
}  // namespace

}  // namespace payload_release

using namespace payload_release;

DLLCLBK void InitModule(HINSTANCE instance)
{
    // The state starts as at load even if the host loads the module again without the
    // system having unloaded it in between.
    tetherVessel = nullptr;
    armed = false;
    refreshTimer = 0.0;
    previousAngle = 0.0;
    moduleInstance = instance;
    commandId = oapiRegisterCustomCmd(kCommandLabel, kCommandDescription, openReleaseDialog, nullptr);
}

DLLCLBK void ExitModule(HINSTANCE /*instance*/)
{
    oapiUnregisterCustomCmd(commandId);
}
