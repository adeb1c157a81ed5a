#include "app/commands.h"
#include "app/inspect_report.h"

namespace app {

int runInspect(const std::filesystem::path& root, const InspectOptions& options, std::ostream& out)
{
    sim::Host host(root);
    sim::VesselRecord& vessel = host.createVessel(options.className, options.className);
    host.finishCreation();
    const nlohmann::ordered_json report = describeVessel(vessel);
    if (options.json)
        out << report.dump(2) << "\n";
    else
        out << renderText(report);
    return 0;
}

}  // namespace app
