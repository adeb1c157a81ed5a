// A plug-in for the host's plug-in tests: it logs its entry points, makes one journaled
// host call in each time step and registers one custom command.

#include <cstdio>
#include <string>

#include "host/host.h"

namespace {
std::string g_log;
DWORD g_command = 0;
void onCommand(void*)
{
    g_log += "command;";
}
}  // namespace

extern "C" __attribute__((visibility("default"))) const char* testPluginLog()
{
    return g_log.c_str();
}

extern "C" __attribute__((visibility("default"))) void testPluginClear()
{
    g_log.clear();
}

DLLCLBK void InitModule(HINSTANCE instance)
{
    g_log += instance ? "init;" : "init without instance;";
    g_command = oapiRegisterCustomCmd("Test Command", "Logs that it ran", onCommand, nullptr);
}

DLLCLBK void ExitModule(HINSTANCE)
{
    g_log += "exit;";
    oapiUnregisterCustomCmd(g_command);
}

DLLCLBK void opcPreStep(double simt, double simdt, double)
{
    oapiGetVesselCount();
    char line[64];
    std::snprintf(line, sizeof line, "pre %g %g;", simt, simdt);
    g_log += line;
}
