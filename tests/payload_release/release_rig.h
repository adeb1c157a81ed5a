// A host started from the build tree with its plug-ins (so VeskarPayloadRelease is
// loaded from Modules/Plugin/), a Veskar tether loaded from Modules/ (Veskar.so, or
// Veskar.dll on Windows), and a payload vessel made in process that a test docks at the
// tether's port 4.
#pragma once

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "payload_release/resource.h"
#include "sim/docking.h"
#include "sim/host.h"
#include "tests/support/test_tree.h"

namespace release_test {

constexpr const char* kCommand = "Veskar Payload Release";
constexpr double kStep = 1.0 / 32.0;  // [s]: exact in binary, so the display timer's sums are exact
constexpr std::size_t kPayloadPort = 4;

// A payload: 1000 kg with one port 1 m up its +z axis.
class Payload final : public VESSEL2 {
public:
    using VESSEL2::VESSEL2;
    void clbkSetClassCaps(FILEHANDLE) override
    {
        SetEmptyMass(1000.0);
        CreateDock({0, 0, 1}, {0, 0, 1}, {0, 1, 0});
    }
};
inline VESSEL* payloadInit(OBJHANDLE h, int flightModel)
{
    return new Payload(h, flightModel);
}
inline void payloadExit(VESSEL* v)
{
    delete static_cast<Payload*>(v);
}
inline const sim::Host::EntryPoints kPayloadModule{&payloadInit, &payloadExit};

class ReleaseRig {
public:
    explicit ReleaseRig(const std::string& tetherName = "Tether") : host(testing_support::buildTree())
    {
        host.plugins().start();
        tether = &host.createVessel(tetherName, "Veskar");
        payload = &host.createVessel("Payload", "Payload", kPayloadModule);
    }

    void dock() { sim::attachPorts(host, *tether->docks[kPayloadPort], *payload->docks[0]); }
    bool docked() const { return tether->docks[kPayloadPort]->mate != nullptr; }

    // Puts the tether in orbit (position along +x, velocity along +y, so the upward
    // normal is +x) and turns it so that its payload angle is `theta` [rad]: the port
    // direction (0, 0, -1) maps to (cos theta, -sin theta, 0). A docked payload moves with
    // it, on the tether's axis 1 m beyond the port, so the superstructure's centre of
    // gravity stays on the axis.
    void setAngle(double theta)
    {
        const double c = std::cos(theta), s = std::sin(theta);
        sim::Mat3 R;
        R.m = {{{0.0, s, -c}, {0.0, c, s}, {1.0, 0.0, 0.0}}};
        tether->state.R = R;
        tether->state.pos = kOrbitPos;
        tether->state.vel = kOrbitVel;
        tether->state.omegaBody = {0.0, 0.0, 0.0};
        if (docked()) {
            payload->state.R = R;
            payload->state.pos = kOrbitPos + R * (tether->docks[kPayloadPort]->pos + VECTOR3{0.0, 0.0, -1.0});
            payload->state.vel = kOrbitVel;
            payload->state.omegaBody = {0.0, 0.0, 0.0};
        }
    }
    // The angle is NaN when the tether has no velocity.
    void setNaNAngle()
    {
        setAngle(0.1);
        tether->state.vel = {0.0, 0.0, 0.0};
    }

    bool pick() { return host.customCommands().pick(kCommand); }
    HWND dialog()
    {
        const auto open = host.dialogs().openDialogs();
        return open.empty() ? nullptr : open.front();
    }
    // A control's text in the open dialog; "" when it is closed.
    std::string text(int id)
    {
        HWND d = dialog();
        return d ? host.dialogs().text(GetDlgItem(d, id)) : std::string();
    }
    bool click(int id) { return host.dialogs().click(dialog(), id); }
    void step(double dt = kStep) { host.step(dt); }
    std::string debugLine() { return host.debugString(); }

    static constexpr VECTOR3 kOrbitPos{6.771e6, 0.0, 0.0};  // 400 km up [m, global]
    static constexpr VECTOR3 kOrbitVel{0.0, 7672.6, 0.0};   // circular speed there [m/s]

    sim::Host host;
    sim::VesselRecord* tether = nullptr;
    sim::VesselRecord* payload = nullptr;
};

class ReleaseTest : public ::testing::Test, public ReleaseRig {};

}  // namespace release_test
