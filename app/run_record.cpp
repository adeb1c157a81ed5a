#include "app/run_record.h"

#include <cmath>

namespace app {

void RunRecord::observe(sim::Host& host)
{
    noteRelease(host);
    if (host.simTime() + 1e-9 >= nextSample_) {
        sample(host);
        nextSample_ = host.simTime() + interval_;
    }
}

void RunRecord::sample(sim::Host& host)
{
    for (std::size_t i = 0; i < host.vesselCount(); ++i) {
        const sim::VesselRecord& v = *host.vesselAt(i);
        std::size_t k = 0;
        while (k < names_.size() && names_[k] != v.name())
            ++k;
        if (k == names_.size()) {
            names_.push_back(v.name());
            classes_.push_back(v.className());
            tracks_.emplace_back();
        }
        tracks_[k].push_back({host.simTime(), v.state.pos, v.state.vel, v.mass()});
    }
    const double angle = currentPayloadAngle(findTether(host));
    if (!std::isnan(angle))
        angles_.emplace_back(host.simTime(), angle);
}

void RunRecord::noteRelease(sim::Host& host)
{
    const auto& events = host.events().all();
    for (; eventsSeen_ < events.size(); ++eventsSeen_) {
        const sim::HostEvent& e = events[eventsSeen_];
        const TetherView view = findTether(host);
        if (release_.happened || e.kind != "undock" || !view.tether || e.vessel != view.tether->name() ||
            e.port != static_cast<int>(view.payloadPort->index))
            continue;
        release_.happened = true;
        release_.time = e.time;
        release_.angle = payloadAngle(e.vesselPos, e.vesselVel, e.portPos, e.superstructureCg);
        release_.tether = e.vessel;
        release_.payload = e.mate;
        release_.centrePosBefore = e.superstructureCg;
        release_.centreVelBefore = e.superstructureVel;
        release_.payloadPos = e.matePos;
        release_.payloadVel = e.mateVel;
        release_.payloadSpeed = length(e.mateVel);
        release_.centreSpeed = length(e.superstructureVel);
    }
}

}  // namespace app
