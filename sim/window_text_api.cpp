// The window text calls of the headless host (on Windows they are the system's), acting
// on the current host's dialogs. Every handle is looked up among the live windows first:
// a module may hold a handle past its dialog's end.

#include <algorithm>
#include <cstring>

#include "host/dialog.h"
#include "sim/current_host.h"
#include "sim/host.h"

namespace {

void note(const char* op, std::string text)
{
    if (sim::Host* h = sim::currentHost(); h && h->journal().enabled())
        h->journal().record({}, op, {}, std::move(text));
}

sim::Dialogs* dialogs()
{
    sim::Host* host = sim::currentHost();
    return host ? &host->dialogs() : nullptr;
}

}  // namespace

HWND GetDlgItem(HWND dialog, int id)
{
    sim::Dialogs* d = dialogs();
    const sim::DialogWindow* w = d ? d->dialog(dialog) : nullptr;
    return w ? w->control(id) : nullptr;
}

BOOL SetWindowTextA(HWND window, const char* text)
{
    note("SetWindowTextA", text ? text : "");
    sim::Dialogs* d = dialogs();
    HostWindow* w = d ? d->window(window) : nullptr;
    if (!w)
        return 0;
    const std::string next = text ? text : "";
    // A button's caption tells the user what state a dialog is in: worth a line in the log.
    if (w->parent && w->className == "button" && next != w->text)
        sim::noteDialogEvent("control-text", next);
    w->text = next;
    return 1;
}

int GetWindowTextA(HWND window, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    sim::Dialogs* d = dialogs();
    const HostWindow* w = d ? d->window(window) : nullptr;
    const std::size_t n = w ? std::min(w->text.size(), static_cast<std::size_t>(size - 1)) : 0;
    if (n > 0)
        std::memcpy(buffer, w->text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}
