#include "sim/docking.h"

#include <algorithm>

#include "sim/host.h"

namespace sim {

namespace {
void notifyDock(HostDock& port, OBJHANDLE mate)
{
    if (VESSEL2* cb = port.owner->callbacks())
        cb->clbkDockEvent(port.index, mate);
}
}  // namespace

void attachPorts(Host& host, HostDock& a, HostDock& b)
{
    (void)host;
    if (a.mate || b.mate || a.owner == b.owner)
        return;
    a.mate = &b;
    b.mate = &a;
    notifyDock(a, b.owner->handle());
    notifyDock(b, a.owner->handle());
}

bool detachPorts(Host& host, HostDock& port)
{
    (void)host;
    HostDock* mate = port.mate;
    if (!mate)
        return false;
    port.mate = nullptr;
    mate->mate = nullptr;
    notifyDock(port, nullptr);
    notifyDock(*mate, nullptr);
    return true;
}

std::vector<VesselRecord*> superstructureOf(VesselRecord& vessel)
{
    std::vector<VesselRecord*> members{&vessel};
    for (std::size_t i = 0; i < members.size(); ++i) {
        for (const auto& dock : members[i]->docks) {
            if (dock->mate && std::find(members.begin(), members.end(), dock->mate->owner) == members.end())
                members.push_back(dock->mate->owner);
        }
    }
    return members;
}

}  // namespace sim
