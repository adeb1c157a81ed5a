// A host with one Veskar vessel created in process (the module's sources are linked into
// the test), with the journal recording from before its creation.
#pragma once

#include <gtest/gtest.h>

#include "sim/host.h"
#include "tests/support/test_tree.h"
#include "veskar/veskar.h"

extern "C" VESSEL* ovcInit(OBJHANDLE vessel, int flightModel);
extern "C" void ovcExit(VESSEL* vessel);

class VeskarTest : public ::testing::Test {
protected:
    VeskarTest() : host(testing_support::buildTree())
    {
        host.journal().enable();
        record = &host.createVessel("Tether", "Veskar", {&ovcInit, &ovcExit});
        vessel = static_cast<Veskar*>(record->iface);
    }

    const TetherSegment& segment(std::size_t i) const { return *vessel->assembly().segmentList().at(i); }
    std::vector<std::string> opsNamed(std::initializer_list<const char*> names) const
    {
        std::vector<std::string> out;
        for (const auto& op : host.journal().ops()) {
            for (const char* n : names) {
                if (op == n)
                    out.push_back(op);
            }
        }
        return out;
    }

    sim::Host host;
    sim::VesselRecord* record = nullptr;
    Veskar* vessel = nullptr;
};

// The build table's segment positions, build frame [m].
inline const VECTOR3 kBuildPositions[4] = {
    {0, 0, -100093.027}, {0, 0, -40016.227}, {0, 0, -80018.327}, {0, 0, 0}};
