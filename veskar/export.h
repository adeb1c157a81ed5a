// Export control for the Veskar module: only the entry points and the payload members
// are visible outside it.
#pragma once

#include "host/platform.h"

#if defined(VESKAR_BUILDING_MODULE)
#  define VESKAR_API MODULE_EXPORT
#else
#  define VESKAR_API MODULE_IMPORT
#endif
