#include "sim/plugins.h"

#include <algorithm>
#include <fstream>

#include "sim/errors.h"
#include "sim/safe_name.h"
#include "sim/text_parse.h"

namespace sim {

namespace {

constexpr const char* kListFile = "Config/Plugins.cfg";
constexpr const char* kPluginFolder = "Modules/Plugin";

}  // namespace

std::vector<PluginListEntry> readPluginList(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw InputError(file, "cannot read the plug-in list");
    std::vector<PluginListEntry> entries;
    std::string raw;
    for (int line = 1; std::getline(in, raw); ++line) {
        const std::string name(trim(std::string_view(raw).substr(0, raw.find(';'))));
        if (name.empty())
            continue;
        if (!relativeName(name))
            throw InputError(file, line, "'" + name + "' is not a plug-in name below Modules/Plugin/");
        const auto same = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.name == name; });
        if (same != entries.end())
            throw InputError(file, line, "plug-in '" + name + "' is listed twice (first on line " +
                                             std::to_string(same->line) + ")");
        entries.push_back({name, line});
    }
    return entries;
}

Plugins::Plugins(const std::filesystem::path& root) : listFile_(root / kListFile), dir_(root / kPluginFolder) {}

std::unique_ptr<HostModule> Plugins::load(const PluginListEntry& entry)
{
    auto m = std::make_unique<HostModule>();
    m->name = entry.name;
    try {
        m->library = &loader_->load(entry.name);
        m->resources = loadModuleResources(*m->library);
    } catch (const InputError& e) {
        throw InputError(listFile_, entry.line, "plug-in '" + entry.name + "': " + e.what());
    }
    m->init = m->library->function<InitModuleFunc>("InitModule");
    m->exit = m->library->function<ExitModuleFunc>("ExitModule");
    m->preStep = m->library->function<OpcPreStepFunc>("opcPreStep");
    if (!m->init && !m->exit && !m->preStep)
        throw InputError(listFile_, entry.line,
                         "plug-in '" + entry.name + "': " + m->library->file().string() +
                             " has none of the entry points InitModule, ExitModule, opcPreStep");
    return m;
}

void Plugins::start()
{
    if (started_)
        return;
    started_ = true;
    if (!std::filesystem::exists(listFile_))
        return;
    const std::vector<PluginListEntry> entries = readPluginList(listFile_);
    loader_ = std::make_unique<ModuleLoader>(dir_);
    std::vector<std::unique_ptr<HostModule>> loaded;
    try {
        for (const PluginListEntry& e : entries)
            loaded.push_back(load(e));
    } catch (...) {
        loaded.clear();
        loader_.reset();
        throw;
    }
    modules_ = std::move(loaded);
    for (const auto& m : modules_) {
        if (m->init)
            m->init(instanceHandle(*m));
    }
}

void Plugins::preStep(double simt, double simdt, double mjd)
{
    for (const auto& m : modules_) {
        if (m->preStep)
            m->preStep(simt, simdt, mjd);
    }
}

void Plugins::stop()
{
    for (auto it = modules_.rbegin(); it != modules_.rend(); ++it) {
        if ((*it)->exit)
            (*it)->exit(instanceHandle(**it));
    }
    modules_.clear();
    loader_.reset();
}

HostModule* Plugins::module(HINSTANCE instance) const
{
    for (const auto& m : modules_) {
        if (instance && instanceHandle(*m) == instance)
            return m.get();
    }
    return nullptr;
}

}  // namespace sim
