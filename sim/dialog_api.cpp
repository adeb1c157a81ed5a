// The dialog services, acting on the current host's dialogs. Every handle is looked up
// among the open dialogs first: a module may hold a handle past its dialog's end. (The
// window text calls are the headless host's own in window_text_api.cpp; on Windows they
// are the system's.)

#include <algorithm>
#include <cstring>

#include "host/dialog.h"
#include "sim/current_host.h"
#include "sim/host.h"

namespace {

void note(const char* op, std::initializer_list<double> args = {}, std::string text = {})
{
    if (sim::Host* h = sim::currentHost(); h && h->journal().enabled())
        h->journal().record({}, op, args, std::move(text));
}

sim::Dialogs* dialogs()
{
    sim::Host* host = sim::currentHost();
    return host ? &host->dialogs() : nullptr;
}

}  // namespace

HWND oapiOpenDialogEx(HINSTANCE instance, int resourceId, DLGPROC proc, DWORD flags, void* context)
{
    note("oapiOpenDialogEx", {static_cast<double>(resourceId), static_cast<double>(flags)});
    sim::Host* host = sim::currentHost();
    const HostModule* module = host ? host->plugins().module(instance) : nullptr;
    if (!module)
        return nullptr;
    const auto tpl = module->resources.dialogs.find(resourceId);
    if (tpl == module->resources.dialogs.end())
        return nullptr;
    return host->dialogs().open(instance, resourceId, tpl->second, proc, flags, context);
}

HWND oapiFindDialog(HINSTANCE instance, int resourceId)
{
    note("oapiFindDialog", {static_cast<double>(resourceId)});
    sim::Dialogs* d = dialogs();
    return d ? d->find(instance, resourceId) : nullptr;
}

bool oapiCloseDialog(HWND dialog)
{
    note("oapiCloseDialog");
    sim::Dialogs* d = dialogs();
    return d && d->close(dialog);
}

INT_PTR oapiDefDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    sim::Dialogs* d = dialogs();
    return d ? d->defaultProc(dialog, message, wParam, lParam) : 0;
}
