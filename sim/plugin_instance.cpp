// The headless host's module instance handle: the plug-in's record, behind HINSTANCE.
#include "sim/plugins.h"

namespace sim {

HINSTANCE instanceHandle(HostModule& plugin)
{
    return &plugin;
}

}  // namespace sim
