// The one seam between the global host functions and a host instance: the current host.
#pragma once

namespace sim {

class Host;

// The host that global functions (oapi..., VESSEL methods) act on; null when none exists.
Host* currentHost();
// Makes `host` current and returns the one that was.
Host* bindCurrentHost(Host* host);

}  // namespace sim
