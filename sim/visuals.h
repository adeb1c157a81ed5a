// The host's visuals: the mesh templates read from Meshes/, and for each vessel at most one
// visual holding its own copy of every mesh of the vessel. Visuals are created and
// destroyed as the camera comes within range and leaves it (see visualRange), or on
// request, and the vessel's module hears of each through clbkVisualCreated and
// clbkVisualDestroyed.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim/visual.h"

namespace sim {

class Host;
class VesselRecord;

class Visuals {
public:
    explicit Visuals(Host& host) : host_(host) {}
    Visuals(const Visuals&) = delete;
    Visuals& operator=(const Visuals&) = delete;

    // The template of mesh `name`, read from Meshes/<name>.msh on first use. Null when the
    // name leaves the Meshes folder or the file is missing or malformed; the host then
    // records one warning naming the file, the line and the problem.
    const HostMesh* meshTemplate(const std::string& name);
    // Reads the templates of every mesh the vessel added, so that a bad file is reported
    // while the vessel loads rather than when it first comes into view.
    void loadMeshes(const VesselRecord& vessel);

    // On request. `create` makes the vessel's visual and calls clbkVisualCreated; false
    // when the vessel already has one. `destroy` calls clbkVisualDestroyed and then frees
    // the visual; false when there is none.
    bool create(VesselRecord& vessel);
    bool destroy(VesselRecord& vessel);

    // Creates and destroys visuals by the camera's distance to each vessel. Called at the
    // end of every host step while `automatic` is on.
    void updateRange();
    void setAutomatic(bool on) { automatic_ = on; }
    bool automatic() const { return automatic_; }
    // The distance [m] from the camera within which the vessel's visual is created.
    static double visualRange(const VesselRecord& vessel);

    HostVisual* visualOf(const VesselRecord& vessel) const;
    std::size_t count() const { return visuals_.size(); }
    // Whether a handle names a visual, or a mesh of a visual, that exists now.
    bool isLive(const HostVisual* visual) const;
    bool holdsMesh(const HostMesh* mesh) const;

private:
    Host& host_;
    bool automatic_ = true;
    std::map<std::string, std::unique_ptr<HostMesh>> templates_;  // null: could not be read
    std::vector<std::unique_ptr<HostVisual>> visuals_;
};

}  // namespace sim
