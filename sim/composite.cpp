#include "sim/composite.h"

namespace sim {

Mat3 vesselInertia(const VesselRecord& v)
{
    return diagonal(v.pmi * v.mass());
}

void Composite::build(const std::vector<VesselRecord*>& vessels)
{
    members.clear();
    mass = 0.0;
    if (vessels.empty())
        return;
    const KinematicState& root = vessels.front()->state;
    VECTOR3 weighted{0.0, 0.0, 0.0};
    VECTOR3 momentum{0.0, 0.0, 0.0};
    for (VesselRecord* v : vessels) {
        MemberPose m;
        m.vessel = v;
        m.mass = v->mass();
        m.p = root.R.tmul(v->state.pos - root.pos);
        m.Q = root.R.transposed() * v->state.R;
        members.push_back(m);
        mass += m.mass;
        weighted += m.mass * m.p;
        momentum += m.mass * v->state.vel;
    }
    cg = mass > 0.0 ? weighted / mass : VECTOR3{0.0, 0.0, 0.0};
    cgGlobal = root.pos + root.R * cg;
    velGlobal = mass > 0.0 ? momentum / mass : root.vel;

    inertia = zeroMatrix();
    VECTOR3 L{0.0, 0.0, 0.0};
    for (const MemberPose& m : members) {
        const Mat3 own = rotateTensor(m.Q, vesselInertia(*m.vessel));
        inertia = inertia + own + pointInertia(m.mass, m.p - cg);
        const KinematicState& s = m.vessel->state;
        L += root.R * (own * (m.Q * s.omegaBody)) + m.mass * crossp(s.pos - cgGlobal, s.vel - velGlobal);
    }
    angularMomentum = L;
}

VECTOR3 Composite::angularVelocity() const
{
    Mat3 inverse;
    const KinematicState& root = members.front().vessel->state;
    if (!invert(inertia, inverse))
        return root.omegaBody;
    return inverse * root.R.tmul(angularMomentum);
}

void makeRigid(const Composite& c)
{
    if (c.members.empty())
        return;
    const KinematicState& root = c.members.front().vessel->state;
    const VECTOR3 omegaRoot = c.angularVelocity();
    const VECTOR3 omegaGlobal = root.R * omegaRoot;
    for (const MemberPose& m : c.members) {
        KinematicState& s = m.vessel->state;
        s.vel = c.velGlobal + crossp(omegaGlobal, s.pos - c.cgGlobal);
        s.omegaBody = m.Q.tmul(omegaRoot);
    }
}

}  // namespace sim
