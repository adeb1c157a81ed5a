#include "sim/docking.h"

#include <algorithm>

#include "sim/composite.h"
#include "sim/host.h"

namespace sim {

namespace {

void notifyDock(HostDock& port, OBJHANDLE mate)
{
    if (VESSEL2* cb = port.owner->callbacks())
        cb->clbkDockEvent(port.index, mate);
}

double massOf(const std::vector<VesselRecord*>& group)
{
    double m = 0.0;
    for (const VesselRecord* v : group)
        m += v->mass();
    return m;
}

// An orthonormal triad (columns) from an approach direction and a rotation reference.
Mat3 portTriad(const VECTOR3& dir, const VECTOR3& rot)
{
    const VECTOR3 d = unit(dir);
    const VECTOR3 r = unit(rot - dotp(rot, d) * d);
    const VECTOR3 t = crossp(d, r);
    Mat3 m;
    for (int i = 0; i < 3; ++i)
        m(i, 0) = d[i], m(i, 1) = r[i], m(i, 2) = t[i];
    return m;
}

// Moves the superstructure of `moving` rigidly so that its port `b` meets the fixed `a`.
void align(const HostDock& a, const HostDock& b, const std::vector<VesselRecord*>& movingGroup)
{
    const KinematicState& sa = a.owner->state;
    const KinematicState& sb = b.owner->state;
    // Target attitude of b's vessel: b's approach direction opposite a's, references parallel.
    const Mat3 target = portTriad(-(sa.R * a.dir), sa.R * a.rot);
    const Mat3 Rb = target * portTriad(b.dir, b.rot).transposed();
    const Mat3 delta = Rb * sb.R.transposed();
    const VECTOR3 pa = portGlobalPos(a);
    const VECTOR3 pb = portGlobalPos(b);
    for (VesselRecord* v : movingGroup) {
        KinematicState& s = v->state;
        const VECTOR3 omegaGlobal = s.R * s.omegaBody;
        s.pos = pa + delta * (s.pos - pb);
        s.R = orthonormalised(delta * s.R);
        s.omegaBody = s.R.tmul(omegaGlobal);
    }
}

}  // namespace

VECTOR3 portGlobalPos(const HostDock& port)
{
    return port.owner->state.R * port.pos + port.owner->state.pos;
}

VECTOR3 portGlobalDir(const HostDock& port)
{
    return port.owner->state.R * port.dir;
}

bool attachPorts(Host& host, HostDock& a, HostDock& b)
{
    (void)host;
    if (a.mate || b.mate || a.owner == b.owner)
        return false;
    const auto groupA = superstructureOf(*a.owner);
    if (std::find(groupA.begin(), groupA.end(), b.owner) != groupA.end())
        return false;
    const auto groupB = superstructureOf(*b.owner);
    if (massOf(groupB) <= massOf(groupA))
        align(a, b, groupB);
    else
        align(b, a, groupA);

    a.mate = &b;
    b.mate = &a;
    Composite whole;
    whole.build(superstructureOf(*a.owner));
    makeRigid(whole);
    notifyDock(a, b.owner->handle());
    notifyDock(b, a.owner->handle());
    return true;
}

bool detachPorts(Host& host, HostDock& port, double separationSpeed)
{
    (void)host;
    HostDock* mate = port.mate;
    if (!mate)
        return false;
    port.mate = nullptr;
    mate->mate = nullptr;

    if (separationSpeed != 0.0) {
        const auto partA = superstructureOf(*port.owner);
        const auto partB = superstructureOf(*mate->owner);
        const double mA = massOf(partA), mB = massOf(partB);
        if (mA + mB > 0.0) {
            const VECTOR3 axis = unit(portGlobalDir(port));  // from this port towards the mate
            for (VesselRecord* v : partA)
                v->state.vel -= axis * (separationSpeed * mB / (mA + mB));
            for (VesselRecord* v : partB)
                v->state.vel += axis * (separationSpeed * mA / (mA + mB));
        }
    }
    notifyDock(port, nullptr);
    notifyDock(*mate, nullptr);
    return true;
}

std::vector<VesselRecord*> superstructureOf(VesselRecord& vessel)
{
    std::vector<VesselRecord*> members{&vessel};
    for (std::size_t i = 0; i < members.size(); ++i) {
        for (const auto& dock : members[i]->docks) {
            if (dock->mate && std::find(members.begin(), members.end(), dock->mate->owner) == members.end())
                members.push_back(dock->mate->owner);
        }
    }
    return members;
}

void CaptureMonitor::separated(const HostDock& a, const HostDock& b, double until)
{
    entries_.push_back({&a, &b, until});
}

bool CaptureMonitor::suppressed(const HostDock& a, const HostDock& b, double now) const
{
    return std::any_of(entries_.begin(), entries_.end(), [&](const Suppressed& e) {
        return e.until > now && ((e.a == &a && e.b == &b) || (e.a == &b && e.b == &a));
    });
}

void CaptureMonitor::capture(Host& host, double now, const DockingOptions& options)
{
    std::erase_if(entries_, [&](const Suppressed& e) { return e.until <= now; });
    const double limit2 = options.captureDistance * options.captureDistance;
    for (std::size_t i = 0; i < host.vesselCount(); ++i) {
        for (std::size_t j = i + 1; j < host.vesselCount(); ++j) {
            for (auto& a : host.vesselAt(i)->docks) {
                for (auto& b : host.vesselAt(j)->docks) {
                    if (a->mate || b->mate)
                        continue;
                    const VECTOR3 gap = portGlobalPos(*a) - portGlobalPos(*b);
                    if (dotp(gap, gap) <= limit2 && !suppressed(*a, *b, now))
                        host.dock(*a, *b);
                }
            }
        }
    }
}

void CaptureMonitor::forget(const VesselRecord& vessel)
{
    std::erase_if(entries_, [&](const Suppressed& e) { return e.a->owner == &vessel || e.b->owner == &vessel; });
}

}  // namespace sim
