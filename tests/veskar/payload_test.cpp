// The payload interface: whether a payload hangs at port 4, the payload angle, the release.

#include <cmath>

#include "sim/docking.h"
#include "tests/veskar/veskar_fixture.h"

namespace {

// A payload for the superstructure case: a point mass with one port.
class Payload final : public VESSEL2 {
public:
    using VESSEL2::VESSEL2;
    void clbkSetClassCaps(FILEHANDLE) override
    {
        SetEmptyMass(1000.0);
        CreateDock({0, 0, 1}, {0, 0, 1}, {0, 1, 0});
    }
};
VESSEL* payloadInit(OBJHANDLE h, int flightModel)
{
    return new Payload(h, flightModel);
}
void payloadExit(VESSEL* v)
{
    delete static_cast<Payload*>(v);
}

// The tether's position along +x and velocity along +y (so the upward normal H is +x),
// attitude the identity: the vessel frame's axes are the global ones.
class PayloadAngleTest : public VeskarTest {
protected:
    PayloadAngleTest()
    {
        record->state.pos = {6.771e6, 0.0, 0.0};
        record->state.vel = {0.0, 7672.6, 0.0};
    }
    double angleWithPortAt(const VECTOR3& pos)
    {
        record->docks[4]->pos = pos;
        return vessel->getPayloadVVAngle();
    }
};

}  // namespace

TEST_F(PayloadAngleTest, SignedAngleFromTheUpwardNormal)
{
    // Without a payload the vessel's own centre of gravity (its origin) is the reference.
    const struct {
        VECTOR3 port;  // vessel frame = global axes [m]
        double angle;  // [rad]
    } cases[] = {
        {{1, 0, 0}, 0.0},                       // straight up, along H
        {{-1, 0, 0}, std::acos(-1.0)},          // straight down: level along the velocity, +pi
        {{10, 1, 0}, -std::atan(0.1)},          // up and ahead
        {{10, -1, 0}, std::atan(0.1)},          // up and behind
        {{-10, 1e-3, 0}, -(std::acos(-1.0) - 1e-4)},  // just past straight down, ahead
        {{-10, -1e-3, 0}, std::acos(-1.0) - 1e-4},    // just before it, behind
    };
    for (const auto& c : cases)
        EXPECT_NEAR(angleWithPortAt(c.port), c.angle, 1e-9) << c.port.x << ", " << c.port.y;
}

TEST_F(PayloadAngleTest, PassingStraightBelowJumpsBetweenPlusAndMinusPi)
{
    const double behind = angleWithPortAt({-10, -1e-9, 0});
    const double ahead = angleWithPortAt({-10, 1e-9, 0});
    EXPECT_GT(behind, 3.14159);
    EXPECT_LT(ahead, -3.14159);
}

TEST_F(PayloadAngleTest, RoundedDotProductsStayWithinTheArcCosine)
{
    // Orbit positions at which a port straight along H gives a dot product that rounds a
    // hair above 1, which an arc cosine turns into NaN unless it is clamped.
    int roundedAbove = 0;
    for (double theta : {1.1110885985882306, 4.384331129344143, 4.737157013623979, 0.08377414452125304}) {
        const VECTOR3 pos{6.771e6 * std::cos(theta), 6.771e6 * std::sin(theta), 0.0};
        const VECTOR3 vel{-7672.6 * std::sin(theta), 7672.6 * std::cos(theta), 0.0};
        record->state.pos = pos;
        record->state.vel = vel;
        const VECTOR3 H = unit(crossp(unit(crossp(unit(vel), unit(pos))), unit(vel)));
        const VECTOR3 port = H * 10.0;
        roundedAbove += dotp(unit((port + pos) - pos), H) > 1.0;
        const double a = angleWithPortAt(port);
        EXPECT_FALSE(std::isnan(a)) << theta;
        EXPECT_NEAR(a, 0.0, 1e-7) << theta;
    }
    ASSERT_GT(roundedAbove, 0) << "no case rounds above 1: the test shows nothing";
}

TEST_F(PayloadAngleTest, ReferenceIsTheSuperstructureCentreOfGravity)
{
    sim::VesselRecord& payload = host.createVessel("Payload", "Payload", {&payloadInit, &payloadExit});
    sim::attachPorts(host, *record->docks[4], *payload.docks[0]);
    ASSERT_TRUE(vessel->hasPayload());
    // An equal mass 20 m up the y axis puts the centre of gravity 10 m up it; the port at
    // (10, 0, 0) then lies 45 degrees behind the upward normal from it.
    record->state.R = sim::Mat3::identity();
    record->state.pos = {6.771e6, 0.0, 0.0};
    payload.emptyMass = record->mass();
    payload.state.pos = record->state.pos + VECTOR3{0.0, 20.0, 0.0};
    EXPECT_NEAR(angleWithPortAt({10, 0, 0}), std::atan(1.0), 1e-9);
}

TEST_F(PayloadAngleTest, ReleaseUndocksOnceAndReportsTheHostsAnswer)
{
    host.journal().clear();
    EXPECT_FALSE(vessel->hasPayload());
    EXPECT_FALSE(vessel->releasePayload());  // nothing docked: the host says no
    EXPECT_EQ(host.journal().calls("Undock").size(), 1u);

    sim::VesselRecord& payload = host.createVessel("Payload", "Payload", {&payloadInit, &payloadExit});
    sim::attachPorts(host, *record->docks[4], *payload.docks[0]);
    EXPECT_TRUE(vessel->hasPayload());
    EXPECT_TRUE(vessel->releasePayload());
    EXPECT_FALSE(vessel->hasPayload());
    EXPECT_EQ(payload.docks[0]->mate, nullptr);
    const auto undocks = host.journal().calls("Undock");
    ASSERT_EQ(undocks.size(), 2u);
    EXPECT_EQ(undocks.back().args, std::vector<double>{4.0});
}
