// Plug-in modules: loaded when the host starts, from Modules/Plugin/, as the host's
// plug-in list names them; InitModule once after loading, opcPreStep at the start of
// every time step, ExitModule once at the end.
//
// The plug-in list is Config/Plugins.cfg: one plug-in a line, its module name without
// the suffix (a subfolder of Modules/Plugin/ may come first, "Sub/Name"); ';' starts a
// comment; blank lines are skipped. Without the file no plug-in is loaded.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/module.h"
#include "sim/module_loader.h"
#include "sim/module_resources.h"

// What a plug-in's module instance handle (HINSTANCE) stands for.
struct HostModule {
    std::string name;                     // as the plug-in list gives it
    sim::LoadedModule* library = nullptr;
    sim::ModuleResources resources;       // its own dialog templates
    InitModuleFunc init = nullptr;
    ExitModuleFunc exit = nullptr;
    OpcPreStepFunc preStep = nullptr;
};

namespace sim {

// The module instance handle the plug-in is given and opens its dialogs with: the record
// itself in the headless host, the module's own HMODULE on Windows (plugin_instance*.cpp).
HINSTANCE instanceHandle(HostModule& plugin);

struct PluginListEntry {
    std::string name;
    int line = 0;
};

// The plug-ins a list file names, in order. Throws InputError naming the file and the
// line for an unreadable file, a name that leaves Modules/Plugin/ or a name given twice.
std::vector<PluginListEntry> readPluginList(const std::filesystem::path& file);

class Plugins {
public:
    // `root` is the host's installation folder.
    explicit Plugins(const std::filesystem::path& root);

    // Loads the listed plug-ins and calls their InitModule, in the list's order. All are
    // loaded and checked before the first InitModule: on an error, which names the list
    // file, the line and the problem, none is started. A second call does nothing.
    void start();
    // opcPreStep of every plug-in that has one, in load order.
    void preStep(double simt, double simdt, double mjd);
    // ExitModule of every plug-in, in reverse order; then they are unloaded.
    void stop();

    const std::vector<std::unique_ptr<HostModule>>& loaded() const { return modules_; }
    // The plug-in behind a module instance handle; null for any other handle.
    HostModule* module(HINSTANCE instance) const;
    const std::filesystem::path& listFile() const { return listFile_; }

private:
    std::unique_ptr<HostModule> load(const PluginListEntry& entry);

    std::filesystem::path listFile_;
    std::filesystem::path dir_;
    std::unique_ptr<ModuleLoader> loader_;
    std::vector<std::unique_ptr<HostModule>> modules_;
    bool started_ = false;
};

}  // namespace sim
