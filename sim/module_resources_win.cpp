// A module's resources on Windows: the dialog resources (RT_DIALOG) of the module's own
// file, found through its HMODULE with FindResource. Each one is read at load time, so
// that malformed templates stop the load as they do in the headless host.
#include "sim/module_resources.h"

#include <windows.h>

#include <vector>

namespace sim {

namespace {

BOOL CALLBACK collectOrdinal(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR out)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<WORD>*>(out)->push_back(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

}  // namespace

std::optional<Bytes> dialogResource(const LoadedModule& module, int resourceId)
{
    const auto handle = static_cast<HMODULE>(module.nativeHandle());
    HRSRC found = FindResourceW(handle, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    HGLOBAL loaded = found ? LoadResource(handle, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return std::nullopt;
    return Bytes(static_cast<const std::uint8_t*>(data), SizeofResource(handle, found));
}

ModuleResources loadModuleResources(const LoadedModule& module)
{
    ModuleResources out;
    std::vector<WORD> ids;
    // Fails with ERROR_RESOURCE_TYPE_NOT_FOUND when the module has no dialog: none to read.
    EnumResourceNamesW(static_cast<HMODULE>(module.nativeHandle()), MAKEINTRESOURCEW(5), collectOrdinal,
                       reinterpret_cast<LONG_PTR>(&ids));
    for (const WORD id : ids) {
        const auto bytes = dialogResource(module, id);
        if (bytes)
            out.dialogs.emplace(id, readDialogTemplate(*bytes, module.file(), "dialog " + std::to_string(id)));
    }
    return out;
}

}  // namespace sim
