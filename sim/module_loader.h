// Loads modules (shared libraries) from the installation tree and finds their entry
// points by name, as the real host does. A module is loaded once and stays loaded until
// the loader is destroyed.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace sim {

class LoadedModule {
public:
    LoadedModule(std::filesystem::path file, void* handle) : file_(std::move(file)), handle_(handle) {}
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    const std::filesystem::path& file() const { return file_; }
    void* nativeHandle() const { return handle_; }
    // The exported entry point `name`, or null.
    void* symbol(const char* name) const;

    template <typename F>
    F function(const char* name) const
    {
        return reinterpret_cast<F>(symbol(name));
    }

private:
    std::filesystem::path file_;
    void* handle_;
};

class ModuleLoader {
public:
    explicit ModuleLoader(std::filesystem::path modulesDir) : dir_(std::move(modulesDir)) {}

    // Loads `name` (no suffix, may carry a subfolder) from the modules folder, or returns
    // the module already loaded. Throws InputError naming the file when it is missing or
    // cannot be loaded.
    LoadedModule& load(const std::string& name);
    // The module file `name` stands for.
    std::filesystem::path fileFor(const std::string& name) const;
    const std::filesystem::path& directory() const { return dir_; }

    // Platform suffix of module files.
    static const char* suffix();

private:
    std::filesystem::path dir_;
    std::map<std::string, std::unique_ptr<LoadedModule>> modules_;
};

}  // namespace sim
