// The lifecycle suite's host: the build tree with its plug-ins started, vessels made as a
// scenario makes them (class configuration, then the module from Modules/), visuals left
// to the test, and the journal recording every host call. Beside it, the checks every
// module must pass whatever it was put through.
#pragma once

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sim/host.h"
#include "sim/mesh_file.h"
#include "tests/support/test_tree.h"

namespace lifecycle {

inline constexpr VECTOR3 kOrbitPos{6.771e6, 0.0, 0.0};  // 400 km up [m, global]
inline constexpr VECTOR3 kOrbitVel{0.0, 7672.6, 0.0};   // circular speed there [m/s]

class LifeHost {
public:
    LifeHost() : host(testing_support::buildTree())
    {
        host.visuals().setAutomatic(false);
        host.journal().enable();
        host.plugins().start();
    }

    // A vessel of `className` in a circular orbit, the camera 200 m from it.
    sim::VesselRecord& make(const std::string& name, const std::string& className)
    {
        sim::VesselRecord& v = host.createVessel(name, className);
        v.state.pos = kOrbitPos;
        v.state.vel = kOrbitVel;
        host.cameraPos = kOrbitPos + VECTOR3{0.0, 200.0, 0.0};
        return v;
    }

    // Host calls made on behalf of vessel `name` since the journal was last cleared.
    std::size_t callsFor(const std::string& name) const
    {
        std::size_t n = 0;
        for (const auto& e : host.journal().entries())
            n += e.vessel == name ? 1 : 0;
        return n;
    }

    // What a new visual of `v` shows: the bytes of every material of its meshes, and
    // whether each beacon is lit. Made and destroyed here; `v` must have no visual.
    std::vector<unsigned char> freshLook(sim::VesselRecord& v)
    {
        std::vector<unsigned char> look;
        EXPECT_TRUE(host.visuals().create(v));
        for (const auto& mesh : host.visuals().visualOf(v)->meshes) {
            for (const MATERIAL& m : mesh->materials) {
                const auto* bytes = reinterpret_cast<const unsigned char*>(&m);
                look.insert(look.end(), bytes, bytes + sizeof m);
            }
        }
        for (const BEACONLIGHTSPEC* b : v.beacons)
            look.push_back(b->active ? 1 : 0);
        EXPECT_TRUE(host.visuals().destroy(v));
        return look;
    }

    // The records the module handed the host are still its own and sane: every beacon
    // has its position and colour and a finite, positive size.
    static ::testing::AssertionResult recordsSane(const sim::VesselRecord& v)
    {
        for (std::size_t i = 0; i < v.beacons.size(); ++i) {
            const BEACONLIGHTSPEC* b = v.beacons[i];
            if (!b->pos || !b->col || !std::isfinite(b->size) || b->size <= 0.0)
                return ::testing::AssertionFailure() << v.name() << "'s beacon " << i << " is not a usable record";
        }
        return ::testing::AssertionSuccess();
    }

    // No module wrote through a visual into the host's mesh templates: each is still
    // what its file holds.
    ::testing::AssertionResult templatesAsTheFilesHaveThem(const sim::VesselRecord& v)
    {
        for (const sim::MeshEntry& entry : v.meshes) {
            const HostMesh* held = host.visuals().meshTemplate(entry.name);
            if (!held)
                return ::testing::AssertionFailure() << "no template for mesh " << entry.name;
            const HostMesh file = sim::readMeshFile(host.root() / "Meshes" / (entry.name + ".msh"));
            if (held->materials.size() != file.materials.size() ||
                std::memcmp(held->materials.data(), file.materials.data(), file.materials.size() * sizeof(MATERIAL)))
                return ::testing::AssertionFailure() << "the template of mesh " << entry.name << " was changed";
        }
        return ::testing::AssertionSuccess();
    }

    sim::Host host;
};

}  // namespace lifecycle
