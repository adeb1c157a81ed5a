// Mesh templates and the vessels' visuals.

#include "sim/visuals.h"

#include <algorithm>

#include "host/vessel.h"
#include "sim/errors.h"
#include "sim/host.h"
#include "sim/mesh_file.h"
#include "sim/safe_name.h"
#include "sim/vessel_record.h"

namespace sim {

namespace {

// The automatic visual rule. A vessel is drawn while its apparent size is at least its
// visibility limit (SetVisibilityLimit: a fraction of the view). The headless camera's
// field of view is taken as one radian, so the apparent size of a vessel of mean radius
// `size` seen from distance d is size / d, and the vessel is in view within
//     range = size / visibilityLimit
// of its origin. The visual is created when the camera comes within that range and
// destroyed when it is more than kDestroyMargin times the range away: the margin keeps a
// camera hovering at the edge from creating and destroying the visual on every step.
// The spot limit plays no part: a vessel drawn as a dot needs no meshes.
constexpr double kDefaultVisibilityLimit = 1e-3;  // for a vessel that set none [fraction of the view]
constexpr double kDestroyMargin = 1.1;            // [multiple of the range]
// The visual count handed to clbkVisualCreated/clbkVisualDestroyed: a vessel has at most
// one visual here, and it exists during both callbacks.
constexpr int kVisualsPerVessel = 1;

}  // namespace

double Visuals::visualRange(const VesselRecord& vessel)
{
    const double limit = vessel.visibilityLimit > 0.0 ? vessel.visibilityLimit : kDefaultVisibilityLimit;
    return std::max(0.0, vessel.size) / limit;
}

const HostMesh* Visuals::meshTemplate(const std::string& name)
{
    if (const auto it = templates_.find(name); it != templates_.end())
        return it->second.get();

    std::unique_ptr<HostMesh> mesh;
    const std::filesystem::path meshDir = host_.root() / "Meshes";
    if (const auto relative = relativeName(name)) {
        try {
            mesh = std::make_unique<HostMesh>(readMeshFile(meshDir / (relative->string() + ".msh")));
            mesh->name = name;
        } catch (const InputError& e) {
            host_.warn(e.what());
        }
    } else {
        host_.warn(InputError(meshDir, "mesh name '" + name + "' does not name a file below this folder").what());
    }
    return templates_.emplace(name, std::move(mesh)).first->second.get();
}

void Visuals::loadMeshes(const VesselRecord& vessel)
{
    for (const MeshEntry& entry : vessel.meshes)
        meshTemplate(entry.name);
}

bool Visuals::create(VesselRecord& vessel)
{
    if (visualOf(vessel))
        return false;
    auto visual = std::make_unique<HostVisual>();
    visual->owner = &vessel;
    for (const MeshEntry& entry : vessel.meshes) {
        const HostMesh* source = meshTemplate(entry.name);
        visual->meshes.push_back(source ? std::make_unique<HostMesh>(*source) : nullptr);
    }
    HostVisual* handle = visuals_.emplace_back(std::move(visual)).get();
    if (VESSEL2* cb = vessel.callbacks())
        cb->clbkVisualCreated(handle, kVisualsPerVessel);
    return true;
}

bool Visuals::destroy(VesselRecord& vessel)
{
    HostVisual* handle = visualOf(vessel);
    if (!handle)
        return false;
    // The module restores what it changed while the meshes still exist.
    if (VESSEL2* cb = vessel.callbacks())
        cb->clbkVisualDestroyed(handle, kVisualsPerVessel);
    std::erase_if(visuals_, [&](const auto& v) { return v.get() == handle; });
    return true;
}

void Visuals::updateRange()
{
    if (!automatic_)
        return;
    for (std::size_t i = 0; i < host_.vesselCount(); ++i) {
        VesselRecord& vessel = *host_.vesselAt(i);
        const double distance = length(vessel.state.pos - host_.cameraPos);  // [m]
        const double range = visualRange(vessel);
        const bool shown = visualOf(vessel) != nullptr;
        if (!shown && distance <= range)
            create(vessel);
        else if (shown && distance > kDestroyMargin * range)
            destroy(vessel);
    }
}

HostVisual* Visuals::visualOf(const VesselRecord& vessel) const
{
    for (const auto& v : visuals_) {
        if (v->owner == &vessel)
            return v.get();
    }
    return nullptr;
}

bool Visuals::isLive(const HostVisual* visual) const
{
    return visual && std::any_of(visuals_.begin(), visuals_.end(), [&](const auto& v) { return v.get() == visual; });
}

bool Visuals::holdsMesh(const HostMesh* mesh) const
{
    if (!mesh)
        return false;
    for (const auto& v : visuals_) {
        for (const auto& m : v->meshes) {
            if (m.get() == mesh)
                return true;
        }
    }
    return false;
}

}  // namespace sim
