// The tether's structure: four rigid segments along the vessel's z axis, each with lumped
// masses, beacon lights and lamp materials, built once from a fixed table.
//
// Segment 0 is the catcher (lower end, towards -z), 1 and 2 the cable pieces, 3 the end
// masses (upper end, +z). The build frame's origin is the centre of segment 3; the build
// moves everything onto the centre of gravity before the host sees it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "veskar/segment_beacons.h"
#include "veskar/segment_materials.h"

// A lumped mass of a segment. Kind 0: a point mass at `centre`; kind 1: a thin rod whose
// midpoint is `centre` and whose half-length vector is `rodEnd` - `centre`.
struct PointMass {
    double mass = 0.0;     // [kg]
    std::int32_t kind = 0;
    VECTOR3 centre{};      // offset from the segment's position [m]
    VECTOR3 rodEnd{};      // a rod's end, same frame as `centre` [m]
};

struct TetherSegment {
    VECTOR3 position{};      // centre of the segment [m]; build frame, then vessel frame
    double halfLength = 0.0; // the segment spans position +/- (0, 0, halfLength) [m]
    std::string meshName;
    SegmentBeacons beacons;
    SegmentMaterials materials;
    std::vector<std::unique_ptr<PointMass>> pointMasses;
    std::uint32_t meshIndex = 0;  // as returned by AddMesh
};

class TetherAssembly {
public:
    explicit TetherAssembly(OBJHANDLE handle) : vesselHandle(handle) {}
    ~TetherAssembly();
    TetherAssembly(const TetherAssembly&) = delete;
    TetherAssembly& operator=(const TetherAssembly&) = delete;

    // Builds the segments, their masses and lights, the mass properties and meshes. Once,
    // from clbkSetClassCaps, after the propellant resource exists.
    void build();

    // Passes over the segments, in index order.
    void preStep();
    void visualCreated(VISHANDLE visual);
    void visualDestroyed(VISHANDLE visual);
    void setLights(std::int32_t flag);

    // Mass properties (mass_properties.cpp).
    void computeMassAndCentre();
    void shiftCentreOfGravity(const VECTOR3& shift, bool notifyHost);
    void computeInertia();

    // Places the cockpit camera at virtual cockpit station `id` (cockpit_stations.cpp).
    bool loadVirtualCockpit(std::int32_t id);

    bool isBuilt() const { return !segments.empty(); }
    const std::vector<std::unique_ptr<TetherSegment>>& segmentList() const { return segments; }
    std::vector<std::unique_ptr<TetherSegment>>& segmentList() { return segments; }
    const VECTOR3& centreOfGravityInBuildFrame() const { return centreOfGravity; }
    double massAtBuild() const { return buildMass; }

private:
    std::vector<std::unique_ptr<TetherSegment>> segments;
    VECTOR3 centreOfGravity{};   // build frame [m]
    double buildMass = 0.0;      // point masses plus propellant at the build [kg]
    OBJHANDLE vesselHandle;
    VESSEL* vessel = nullptr;    // the owning vessel, not owned
};
