#include "sim/dialog_events.h"

#include "sim/current_host.h"
#include "sim/host.h"

namespace sim {

void noteDialogEvent(const char* kind, const std::string& text)
{
    if (Host* host = currentHost()) {
        HostEvent e;
        e.time = host->simTime(), e.kind = kind, e.text = text;
        host->events().add(std::move(e));
    }
}

}  // namespace sim
