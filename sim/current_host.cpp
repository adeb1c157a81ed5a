#include "sim/current_host.h"

namespace sim {

namespace {
Host* g_current = nullptr;
}

Host* currentHost()
{
    return g_current;
}

Host* bindCurrentHost(Host* host)
{
    Host* was = g_current;
    g_current = host;
    return was;
}

}  // namespace sim
