// The module loader on Windows: the system loader (LoadLibraryExW, GetProcAddress).
// A module's own dependencies are searched in its folder, the program's folder (the host
// library), the installation's Modules folder (so a plug-in in Modules/Plugin/ finds the
// vessel module it links against) and the system folders.
#include "sim/module_loader.h"

#include <windows.h>

#include <string>

#include "sim/errors.h"
#include "sim/safe_name.h"

namespace sim {

namespace {

// The installation's Modules folder: `dir` itself or the nearest folder above it of
// that name; `dir` when there is none.
std::filesystem::path modulesFolder(const std::filesystem::path& dir)
{
    for (std::filesystem::path p = dir; p.has_relative_path(); p = p.parent_path()) {
        if (p.filename() == "Modules")
            return p;
    }
    return dir;
}

std::string systemMessage(DWORD code)
{
    char* text = nullptr;
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string out = n && text ? std::string(text, n) : "error " + std::to_string(code);
    LocalFree(text);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == ' '))
        out.pop_back();
    return out;
}

}  // namespace

LoadedModule::~LoadedModule()
{
    if (handle_)
        FreeLibrary(static_cast<HMODULE>(handle_));
}

void* LoadedModule::symbol(const char* name) const
{
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

const char* ModuleLoader::suffix()
{
    return ".dll";
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
    const std::filesystem::path full = std::filesystem::absolute(file);
    const DLL_DIRECTORY_COOKIE modules = AddDllDirectory(modulesFolder(std::filesystem::absolute(dir_)).c_str());
    HMODULE handle = LoadLibraryExW(full.c_str(), nullptr,
                                    LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    const DWORD error = GetLastError();
    if (modules)
        RemoveDllDirectory(modules);
    if (!handle)
        throw InputError(file, "cannot load module: " + systemMessage(error));
    auto& slot = modules_[name];
    slot = std::make_unique<LoadedModule>(file, handle);
    return *slot;
}

}  // namespace sim
