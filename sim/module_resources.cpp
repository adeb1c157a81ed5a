#include "sim/module_resources.h"

#include <dlfcn.h>
#include <link.h>

namespace sim {

namespace {

// Whether `address` lies in the object that `handle` stands for, and not in one of its
// dependencies (dlsym on a handle searches those too).
bool inOwnObject(void* handle, const void* address)
{
    link_map* own = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &own) != 0 || !own)
        return false;
    Dl_info info{};
    link_map* where = nullptr;
    if (!dladdr1(address, &info, reinterpret_cast<void**>(&where), RTLD_DL_LINKMAP))
        return false;
    return where == own;
}

}  // namespace

std::optional<Bytes> embeddedResources(const LoadedModule& module)
{
    const auto* data = static_cast<const std::uint8_t*>(module.symbol(kResourcesSymbol));
    const auto* size = static_cast<const std::size_t*>(module.symbol(kResourcesSizeSymbol));
    if (!data || !size || !inOwnObject(module.nativeHandle(), data) || !inOwnObject(module.nativeHandle(), size))
        return std::nullopt;
    return Bytes(data, *size);
}

ModuleResources loadModuleResources(const LoadedModule& module)
{
    ModuleResources out;
    const auto bytes = embeddedResources(module);
    if (!bytes)
        return out;
    for (const ResourceEntry& e : readResources(*bytes, module.file())) {
        if (!e.type.is(kResourceTypeDialog))
            continue;
        const std::string what = e.name.ordinal ? "dialog " + std::to_string(*e.name.ordinal) : "a named dialog";
        DialogTemplate t = readDialogTemplate(e.data, module.file(), what, e.offset);
        if (e.name.ordinal)
            out.dialogs.emplace(*e.name.ordinal, std::move(t));
    }
    return out;
}

}  // namespace sim
