#include "app/commands.h"
#include "app/inspect_report.h"

namespace app {

int runInspect(const std::filesystem::path& root, const InspectOptions& options, std::ostream& out)
{
    sim::Host host(root);
    host.plugins().start();  // so that their commands are listed
    sim::VesselRecord& vessel = host.createVessel(options.className, options.className);
    host.finishCreation();
    nlohmann::ordered_json report = describeVessel(vessel);
    report["warnings"] = host.warnings();  // input that did not stop the load, e.g. a bad mesh file
    report["plugins"] = describePlugins(host);
    report["customCommands"] = describeCommands(host);
    if (options.json)
        out << report.dump(2) << "\n";
    else
        out << renderText(report);
    return 0;
}

}  // namespace app
