// A superstructure (vessels joined by docking ports) seen as one rigid body: combined
// mass, centre of gravity and inertia, and the poses of its members in the frame of its
// first member (the root).
#pragma once

#include <vector>

#include "sim/mat3.h"
#include "sim/vessel_record.h"

namespace sim {

struct MemberPose {
    VesselRecord* vessel = nullptr;
    double mass = 0.0;   // [kg]
    VECTOR3 p{};         // member origin (its centre of gravity), root frame [m]
    Mat3 Q;              // member frame -> root frame
};

struct Composite {
    std::vector<MemberPose> members;  // root first
    double mass = 0.0;                // [kg]
    VECTOR3 cg{};                     // centre of gravity, root frame [m]
    Mat3 inertia = zeroMatrix();      // about the centre of gravity, root frame [kg m^2]
    VECTOR3 cgGlobal{};               // [m]
    VECTOR3 velGlobal{};              // velocity of the centre of gravity [m/s]
    VECTOR3 angularMomentum{};        // about the centre of gravity, global frame [kg m^2/s]

    // Builds the composite of `vessels` (root first) from their current states.
    void build(const std::vector<VesselRecord*>& vessels);
    // The angular velocity [rad/s, root frame] that carries the angular momentum; the
    // root's own when the inertia is singular.
    VECTOR3 angularVelocity() const;
};

// The inertia tensor of a single vessel about its centre of gravity, vessel frame:
// the mass-normalised moments times its current mass.
Mat3 vesselInertia(const VesselRecord& v);

// Gives every member of the composite the motion of one rigid body with the composite's
// linear and angular momentum: v_i = V + w x r_i, the same angular velocity for all.
void makeRigid(const Composite& c);

}  // namespace sim
