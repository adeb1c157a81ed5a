#include "sim/vessel_record.h"

namespace sim {

double VesselRecord::propellantMass() const
{
    double total = 0.0;
    for (const auto& p : propellants)
        total += p->mass;
    return total;
}

int VesselRecord::dockIndex(const HostDock* dock) const
{
    for (std::size_t i = 0; i < docks.size(); ++i) {
        if (docks[i].get() == dock)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace sim
