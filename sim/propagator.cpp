#include "sim/propagator.h"

#include <algorithm>
#include <limits>

#include "sim/earth.h"
#include "sim/host.h"

namespace sim {

namespace {

// Steps shorter than this are not split further when a tank runs dry [s].
constexpr double kMinSubstep = 1e-12;
// While propellant flows, a sub-step burns at most this fraction of the body's mass, so
// that RK4 follows the 1/m growth of the acceleration (the rocket equation) closely: one
// step across a 1.5 mass ratio would be 2e-4 fast; 1 % sub-steps leave ~1e-10.
constexpr double kMaxMassFraction = 0.01;
// A step is split into at most this many sub-steps; the last one takes what remains.
constexpr int kMaxSubsteps = 1000;

// Propellant flow of a thruster at its level [kg/s]; its thrust [N] in `thrust`.
double flowOf(const HostThruster& t, double& thrust)
{
    thrust = 0.0;
    if (t.level <= 0.0 || !t.tank || t.tank->mass <= 0.0 || t.isp <= 0.0)
        return 0.0;
    thrust = t.level * t.maxThrust;
    const double efficiency = t.tank->efficiency > 0.0 ? t.tank->efficiency : 1.0;
    return thrust / (t.isp * efficiency);
}

}  // namespace

void Propagator::step(Host& host, double dt, const PhysicsOptions& options)
{
    ++mark_;
    for (std::size_t i = 0; i < host.vesselCount(); ++i) {
        VesselRecord* v = host.vesselAt(i);
        if (v->physicsMark == mark_)
            continue;
        // Collect the superstructure, in breadth-first order from the first member met.
        group_.clear();
        group_.push_back(v);
        v->physicsMark = mark_;
        for (std::size_t k = 0; k < group_.size(); ++k) {
            for (const auto& dock : group_[k]->docks) {
                VesselRecord* mate = dock->mate ? dock->mate->owner : nullptr;
                if (mate && mate->physicsMark != mark_) {
                    mate->physicsMark = mark_;
                    group_.push_back(mate);
                }
            }
        }
        stepGroup(dt, options);
    }
}

void Propagator::stepGroup(double dt, const PhysicsOptions& options)
{
    double remaining = dt;
    for (int n = 0; remaining > 0.0; ++n) {
        composite_.build(group_);
        // A body whose centre is below the surface is not in flight: it is held where it is.
        if (length(composite_.cgGlobal) < earth::radius)
            return;
        BodyLoads loads;
        loads.gravityGradient = options.gravityGradient;
        loads.inertia = composite_.inertia;
        loads.rotates = invert(loads.inertia, loads.inertiaInverse);
        double limit = thrustLoads(loads);  // until the first tank in use runs dry
        if (loads.massRate > 0.0)
            limit = std::min(limit, kMaxMassFraction * composite_.mass / loads.massRate);
        const double h =
            n + 1 < kMaxSubsteps && limit < remaining - kMinSubstep ? std::max(limit, kMinSubstep) : remaining;

        const KinematicState& root = group_.front()->state;
        BodyState s;
        s.pos = composite_.cgGlobal;
        s.vel = composite_.velGlobal;
        s.q = fromMatrix(root.R);
        s.omega = root.omegaBody;
        s.mass = composite_.mass;
        writeBack(rk4Step(s, loads, h));
        burn(h);
        remaining -= h;
    }
}

double Propagator::thrustLoads(BodyLoads& loads) const
{
    double dry = std::numeric_limits<double>::infinity();
    for (const MemberPose& m : composite_.members) {
        for (const auto& t : m.vessel->thrusters) {
            double thrust = 0.0;
            const double flow = flowOf(*t, thrust);
            if (flow <= 0.0)
                continue;
            const VECTOR3 force = m.Q * (t->dir * thrust);          // root frame [N]
            const VECTOR3 arm = m.p + m.Q * t->pos - composite_.cg;  // from the centre of gravity [m]
            loads.force += force;
            loads.torque += crossp(arm, force);
            loads.massRate += flow;
            // Time until this thruster's tank is empty, with every thruster drawing on it.
            double tankFlow = 0.0;
            for (const auto& other : m.vessel->thrusters) {
                double unused = 0.0;
                if (other->tank == t->tank)
                    tankFlow += flowOf(*other, unused);
            }
            dry = std::min(dry, t->tank->mass / tankFlow);
        }
    }
    return dry;
}

void Propagator::burn(double h)
{
    for (const MemberPose& m : composite_.members) {
        for (const auto& t : m.vessel->thrusters) {
            double thrust = 0.0;
            const double flow = flowOf(*t, thrust);
            if (flow > 0.0)
                t->tank->mass = std::max(0.0, t->tank->mass - flow * h);
        }
    }
}

void Propagator::writeBack(const BodyState& s)
{
    const Mat3 R0 = toMatrix(s.q);
    const VECTOR3 rootPos = s.pos - R0 * composite_.cg;
    const VECTOR3 omegaGlobal = R0 * s.omega;
    for (const MemberPose& m : composite_.members) {
        KinematicState& k = m.vessel->state;
        k.pos = rootPos + R0 * m.p;
        k.R = orthonormalised(R0 * m.Q);
        k.vel = s.vel + crossp(omegaGlobal, k.pos - s.pos);
        k.omegaBody = m.Q.tmul(s.omega);
    }
}

}  // namespace sim
