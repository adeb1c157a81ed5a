// A host on a scratch tree with a few configuration-only vessel classes, for physics tests.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "sim/earth.h"
#include "sim/host.h"
#include "tests/support/test_tree.h"

class PhysicsTest : public ::testing::Test {
protected:
    PhysicsTest()
    {
        tree.write("Config/Vessels/Ball.cfg", "Mass = 1000\nSize = 1\nInertia = 1 2 3\n");
        tree.write("Config/Vessels/Slender.cfg", "Mass = 1000\nSize = 50\nInertia = 10000 10000 1\n");
        // A heavy anchor with a port 91091 m up its z axis, and a light tip whose port is
        // at its own centre: docked, the tip's centre is 91000 m from the joint centre.
        tree.write("Config/Vessels/Anchor.cfg",
                   "Mass = 1000000\nSize = 10\nInertia = 4 4 4\n"
                   "BEGIN_DOCKLIST\n0 0 91091  0 0 1  0 1 0\nEND_DOCKLIST\n");
        tree.write("Config/Vessels/Tip.cfg",
                   "Mass = 1000\nSize = 1\nInertia = 1 1 1\n"
                   "BEGIN_DOCKLIST\n0 0 0  0 0 -1  0 1 0\nEND_DOCKLIST\n");
    }

    sim::Host& makeHost(sim::HostOptions options = {})
    {
        host = std::make_unique<sim::Host>(tree.path(), options);
        return *host;
    }

    static void setState(sim::VesselRecord& v, const VECTOR3& pos, const VECTOR3& vel,
                         const sim::Mat3& R = sim::Mat3::identity(), const VECTOR3& omegaBody = {0, 0, 0})
    {
        v.state.pos = pos;
        v.state.vel = vel;
        v.state.R = R;
        v.state.omegaBody = omegaBody;
    }

    // A 400 km circular orbit in the global x-y plane: position on +x, velocity on +y.
    static constexpr double r400 = sim::earth::radius + 400e3;
    static double circularSpeed(double r) { return std::sqrt(sim::earth::mu / r); }

    testing_support::ScratchTree tree;
    std::unique_ptr<sim::Host> host;
};
