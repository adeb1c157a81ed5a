#include "sim/module_loader.h"

#include <dlfcn.h>

#include "sim/errors.h"
#include "sim/safe_name.h"

namespace sim {

LoadedModule::~LoadedModule()
{
    if (handle_)
        dlclose(handle_);
}

void* LoadedModule::symbol(const char* name) const
{
    return dlsym(handle_, name);
}

const char* ModuleLoader::suffix()
{
    return ".so";
}

std::filesystem::path ModuleLoader::fileFor(const std::string& name) const
{
    const auto relative = relativeName(name);
    if (!relative)
        return {};
    return dir_ / (relative->string() + suffix());
}

LoadedModule& ModuleLoader::load(const std::string& name)
{
    if (const auto it = modules_.find(name); it != modules_.end())
        return *it->second;

    const std::filesystem::path file = fileFor(name);
    if (file.empty())
        throw InputError(dir_, "'" + name + "' is not a valid module name");
    if (!std::filesystem::is_regular_file(file))
        throw InputError(file, "module '" + name + "' not found");
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        throw InputError(file, std::string("cannot load module: ") + (why ? why : "unknown error"));
    }
    auto& slot = modules_[name];
    slot = std::make_unique<LoadedModule>(file, handle);
    return *slot;
}

}  // namespace sim
