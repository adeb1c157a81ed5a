// The resources a module carries in its own file: the bytes of its compiled resource
// script (.res), exported by the module under two names,
//   extern "C" const unsigned char hostModuleResources[];    // the .res file's bytes
//   extern "C" const std::size_t hostModuleResourcesSize;    // their number
// The host takes them only from the module itself, never from a library it links to.
#pragma once

#include <map>
#include <optional>

#include "sim/dialog_template.h"
#include "sim/module_loader.h"

namespace sim {

constexpr const char* kResourcesSymbol = "hostModuleResources";
constexpr const char* kResourcesSizeSymbol = "hostModuleResourcesSize";

#if defined(_WIN32)
// On Windows a module's resources are the resources of its own file: dialog resource
// `resourceId`'s template, or nothing when it has none.
std::optional<Bytes> dialogResource(const LoadedModule& module, int resourceId);
#else
// The module's own resource bytes, or nothing when it carries none.
std::optional<Bytes> embeddedResources(const LoadedModule& module);
#endif

struct ModuleResources {
    std::map<int, DialogTemplate> dialogs;  // by ordinal resource id
};

// Reads the module's resources. Throws InputError naming the module file when they are
// malformed.
ModuleResources loadModuleResources(const LoadedModule& module);

}  // namespace sim
