// On Windows a plug-in's module instance handle is its module's own HMODULE, so that the
// system finds the plug-in's resources through it.
#include "sim/plugins.h"

namespace sim {

HINSTANCE instanceHandle(HostModule& plugin)
{
    return plugin.library ? static_cast<HINSTANCE>(plugin.library->nativeHandle()) : nullptr;
}

}  // namespace sim
