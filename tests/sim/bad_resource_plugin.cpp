// A plug-in whose own resources are not a compiled resource file.

#include <cstddef>

#include "host/host.h"

extern "C" MODULE_EXPORT const unsigned char hostModuleResources[] = {'n', 'o', 't', ' ', 'r', 'e', 's'};
extern "C" MODULE_EXPORT const std::size_t hostModuleResourcesSize = sizeof(hostModuleResources);

DLLCLBK void InitModule(HINSTANCE) {}
