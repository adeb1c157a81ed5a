// Tether build and the per-event passes over its segments.

#include "veskar/tether_assembly.h"

#include <array>

namespace {

struct SegmentRow {
    const char* meshName;
    VECTOR3 position;   // build frame [m]
    double halfLength;  // [m]
};

// The four segments, in index order. Build frame: origin at the centre of segment 3.
constexpr std::array<SegmentRow, 4> kSegments{{
    {"qrm-catcher", {0.0, 0.0, -100093.027}, 73.65},
    {"qrm-CableA", {0.0, 0.0, -40016.227}, 20001.05},
    {"qrm-CableA", {0.0, 0.0, -80018.327}, 20001.05},
    {"qrm-Veskar-massesA", {0.0, 0.0, 0.0}, 20036.37},
}};

constexpr double kRodMassPerMetre = 0.125;  // [kg/m]
constexpr double kRodAxisOffset = 3.5;      // distance of each rod from the z axis [m]
constexpr double kCatcherMass = 2600.0;     // [kg]
constexpr double kEndMass = 106904.0;       // each of the two end masses [kg]
constexpr double kEndMassOffset = 20000.0;  // their distance from segment 3's centre [m]
constexpr WORD kMeshVisibleAlways = 3;      // outside and cockpit views
constexpr double kVisibilityLimit = 0.05;
constexpr double kSpotLimit = -1.0;

void addPointMass(TetherSegment& segment, const VECTOR3& centre, double mass)
{
    auto& pm = segment.pointMasses.emplace_back(std::make_unique<PointMass>());
    pm->kind = 0;
    pm->mass = mass;
    pm->centre = centre;
    pm->rodEnd = {0.0, 0.0, 0.0};
}

// A rod through the whole segment, parallel to z, its midpoint at `centre`.
void addRod(TetherSegment& segment, const VECTOR3& centre)
{
    const double L = segment.halfLength;
    auto& pm = segment.pointMasses.emplace_back(std::make_unique<PointMass>());
    pm->kind = 1;
    pm->mass = (L + L) * kRodMassPerMetre;
    pm->centre = centre;
    pm->rodEnd = centre + VECTOR3{0.0, 0.0, L};
}

void addFourRods(TetherSegment& segment)
{
    addRod(segment, {kRodAxisOffset, 0.0, 0.0});
    addRod(segment, {-kRodAxisOffset, 0.0, 0.0});
    addRod(segment, {0.0, kRodAxisOffset, 0.0});
    addRod(segment, {0.0, -kRodAxisOffset, 0.0});
}

void addSegmentMasses(TetherSegment& segment, std::size_t index)
{
    switch (index) {
    case 0:
        addPointMass(segment, {0.0, 0.0, 0.0}, kCatcherMass);
        break;
    case 1:
    case 2:
        addFourRods(segment);
        break;
    case 3:
        addPointMass(segment, {0.0, 0.0, -kEndMassOffset}, kEndMass);
        addPointMass(segment, {0.0, 0.0, kEndMassOffset}, kEndMass);
        addFourRods(segment);
        break;
    default:
        break;
    }
}

}  // namespace

TetherAssembly::~TetherAssembly()
{
    // Segments go in index order; each frees its masses, materials and beacons.
    for (auto& segment : segments) {
        for (auto& pm : segment->pointMasses)
            pm.reset();
        segment.reset();
    }
}

void TetherAssembly::build()
{
    vessel = oapiGetVesselInterface(vesselHandle);
    if (!vessel)
        return;  // no interface for our own handle: leave the tether empty, call nothing more

    double totalHalfLength = 0.0;  // T [m]
    segments.reserve(kSegments.size());
    for (std::size_t i = 0; i < kSegments.size(); ++i) {
        auto& segment = segments.emplace_back(std::make_unique<TetherSegment>());
        segment->meshName = kSegments[i].meshName;
        segment->position = kSegments[i].position;
        segment->halfLength = kSegments[i].halfLength;
        addSegmentMasses(*segment, i);
        segment->beacons.setUp(vesselHandle, static_cast<std::uint32_t>(i), segment->position);
        totalHalfLength += segment->halfLength;
    }

    computeMassAndCentre();
    shiftCentreOfGravity(centreOfGravity, false);

    for (auto& segment : segments) {
        segment->meshIndex = vessel->AddMesh(segment->meshName.c_str(), &segment->position);
        vessel->SetMeshVisibilityMode(segment->meshIndex, kMeshVisibleAlways);
    }

    computeInertia();
    vessel->SetSize(totalHalfLength);
    const TetherSegment& catcher = *segments[0];
    vessel->SetClipRadius(length(catcher.position) + catcher.halfLength);
    vessel->SetVisibilityLimit(kVisibilityLimit, kSpotLimit);
}

void TetherAssembly::preStep()
{
    for (auto& segment : segments)
        segment->beacons.updateSizes();
}

void TetherAssembly::visualCreated(VISHANDLE visual)
{
    for (std::size_t i = 0; i < segments.size(); ++i) {
        TetherSegment& segment = *segments[i];
        segment.beacons.updateSizes();
        segment.beacons.setActive(1);
        MESHHANDLE mesh = vessel->GetMesh(visual, static_cast<UINT>(i));
        segment.materials.capture(mesh, static_cast<std::uint32_t>(i));
        segment.materials.setLit(1);
    }
}

void TetherAssembly::visualDestroyed(VISHANDLE /*visual*/)
{
    for (auto& segment : segments) {
        segment->beacons.setActive(0);
        segment->materials.setLit(0);
        segment->materials.release();
    }
}

void TetherAssembly::setLights(std::int32_t flag)
{
    for (auto& segment : segments) {
        segment->beacons.setActive(flag);
        segment->materials.setLit(flag);
    }
}
