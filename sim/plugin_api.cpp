// Custom commands, acting on the current host's list.

#include "host/oapi.h"
#include "sim/current_host.h"
#include "sim/host.h"

namespace {

void note(const char* op, std::initializer_list<double> args = {}, std::string text = {})
{
    if (sim::Host* h = sim::currentHost(); h && h->journal().enabled())
        h->journal().record({}, op, args, std::move(text));
}

}  // namespace

DWORD oapiRegisterCustomCmd(const char* label, const char* description, CustomFunc func, void* context)
{
    note("oapiRegisterCustomCmd", {}, label ? label : "");
    sim::Host* host = sim::currentHost();
    return host ? host->customCommands().add(label, description, func, context) : 0;
}

bool oapiUnregisterCustomCmd(DWORD cmdId)
{
    note("oapiUnregisterCustomCmd", {static_cast<double>(cmdId)});
    sim::Host* host = sim::currentHost();
    return host && host->customCommands().remove(cmdId);
}
