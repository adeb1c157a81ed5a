// QRM_Shade linked into the test: the calls of its class capabilities, what the host then
// holds, and its entry points.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/keys.h"
#include "sim/host.h"
#include "tests/shade/shade_expect.h"
#include "tests/support/test_tree.h"

namespace {

std::vector<sim::JournalEntry> callsTo(const sim::Host& host, const std::string& vessel)
{
    std::vector<sim::JournalEntry> out;
    for (const auto& e : host.journal().entries()) {
        if (e.vessel == vessel)
            out.push_back(e);
    }
    return out;
}

class ShadeTest : public ::testing::Test {
protected:
    ShadeTest() : host(testing_support::buildTree())
    {
        host.journal().enable();
        record = &host.createVessel("Shade", "QRM_Shade", {&ovcInit, &ovcExit});
    }

    sim::Host host;
    sim::VesselRecord* record = nullptr;
};

}  // namespace

TEST_F(ShadeTest, ClassCapsMakesItsCallsInOrderWithTheirValues)
{
    using namespace shade_values;
    // CreateThruster's journal arguments: position, direction, maximum thrust, then the
    // vacuum impulse, the impulse at the reference pressure and that pressure.
    const struct {
        const char* op;
        std::vector<double> args;
    } expected[] = {
        {"SetSize", {kSize}},
        {"SetEmptyMass", {kEmptyMass}},
        {"SetPMI", {1.0, 1.0, 1.0}},
        {"SetCameraOffset", {0.0, 0.0, 0.0}},
        {"CreatePropellantResource", {kTank, -1.0, 1.0}},
        {"CreateThruster", {0.0, 0.0, -4.35, 0.0, 0.0, 1.0, kMaxThrust, kIspVacuum, kIspRef, kPRef}},
        {"CreateThrusterGroup", {1.0, 0.0}},
    };
    const auto calls = callsTo(host, "Shade");
    ASSERT_EQ(calls.size(), std::size(expected));
    for (std::size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].op, expected[i].op) << "call " << i;
        EXPECT_EQ(calls[i].args, expected[i].args) << expected[i].op;
    }
}

TEST_F(ShadeTest, HostHoldsOneTankOneThrusterAndTheMainGroupOnly)
{
    expectShadeDeclared(*record);
    EXPECT_EQ(record->thrusterGroups[0]->level, 0.0);
    EXPECT_EQ(record->thrusters[0]->level, 0.0);
}

TEST_F(ShadeTest, OtherCallbacksKeepTheHostDefaults)
{
    host.journal().clear();
    host.finishCreation();
    EXPECT_EQ(host.pressKey(*record, OAPI_KEY_L), 0);
    EXPECT_EQ(host.pressKey(*record, OAPI_KEY_L, false), 0);
    EXPECT_FALSE(host.loadGenericCockpit(*record));
    EXPECT_FALSE(host.enterVirtualCockpit(*record, 0));
    host.step(1.0);
    host.step(1.0);
    EXPECT_TRUE(callsTo(host, "Shade").empty()) << "the module called the host outside clbkSetClassCaps";
    expectShadeDeclared(*record);
}

TEST(ShadeEntryPoints, OvcInitPassesHandleAndFlightModelToTheBase)
{
    for (const int flightModel : {0, 1}) {
        sim::Host host(testing_support::buildTree(), {.flightModel = flightModel});
        sim::VesselRecord& v = host.createVessel("Shade", "QRM_Shade", {&ovcInit, &ovcExit});
        EXPECT_EQ(v.iface->GetHandle(), v.handle());
        EXPECT_EQ(v.iface->FlightModel(), flightModel);
        EXPECT_EQ(v.iface->Version(), 2);  // a VESSEL2, whose callbacks the host calls
        EXPECT_STREQ(v.iface->GetName(), "Shade");
    }
}

TEST(ShadeEntryPoints, OvcExitWithNullDoesNothing)
{
    sim::Host host(testing_support::buildTree());
    sim::VesselRecord& v = host.createVessel("Shade", "QRM_Shade", {&ovcInit, &ovcExit});
    host.journal().enable();
    ovcExit(nullptr);
    EXPECT_TRUE(host.journal().entries().empty());
    EXPECT_EQ(host.vesselCount(), 1u);
    expectShadeDeclared(v);
    host.destroyVessel(v);  // the real object is still there to be deleted, once
    EXPECT_EQ(host.vesselCount(), 0u);
}
