// Docking ports, the light key and the generic cockpit camera.

#include "host/keys.h"
#include "tests/support/vector_expect.h"
#include "tests/veskar/veskar_fixture.h"

namespace {
constexpr double kPi = 3.14159265358979;

struct PortCase {
    std::size_t segment;
    VECTOR3 offset, dir, rot;
};
const PortCase kPortCases[5] = {
    {3, {0, 0, -20015.177}, {0, 1, 0}, {1, 0, 0}},
    {3, {4.05, -0.565, 19996}, {1, 0, 0}, {0, 1, 0}},
    {1, {0, 0, -20001.05}, {0, -1, 0}, {-1, 0, 0}},
    {2, {0, 0, -20001.05}, {0, -1, 0}, {-1, 0, 0}},
    {0, {0, 0, -73.65}, {0, 0, -1}, {0, -1, 0}},
};

bool allBeaconsActive(const sim::VesselRecord& r, bool on)
{
    return std::all_of(r.beacons.begin(), r.beacons.end(), [&](const BEACONLIGHTSPEC* b) { return b->active == on; });
}
}  // namespace

TEST_F(VeskarTest, FivePortsAtTheirSegmentsShiftedPositions)
{
    ASSERT_EQ(record->docks.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        const PortCase& c = kPortCases[i];
        VECTOR3 pos{}, dir{}, rot{};
        vessel->GetDockParams(vessel->GetDockHandle(static_cast<UINT>(i)), pos, dir, rot);
        EXPECT_VEC_NEAR(pos - segment(c.segment).position, c.offset, 1e-7) << "port " << i;
        EXPECT_VEC_NEAR(dir, c.dir, 0.0) << "port " << i;
        EXPECT_VEC_NEAR(rot, c.rot, 0.0) << "port " << i;
    }
    EXPECT_EQ(vessel->payloadPort(), 4u);
    EXPECT_FALSE(vessel->hasPayload());
}

TEST_F(VeskarTest, LightKeyTogglesOnlyOnAPressWithoutReplay)
{
    ASSERT_EQ(vessel->lights(), 1);  // starting value: on
    struct Step {
        DWORD key;
        bool down;
        bool playback;
        int flagAfter;
    } steps[] = {
        {OAPI_KEY_L, false, false, 1},      // release: nothing
        {OAPI_KEY_L, true, true, 1},        // replay: nothing
        {0x25, true, false, 1},             // another key (K): nothing
        {OAPI_KEY_L, true, false, 0},       // press: off
        {OAPI_KEY_L, true, false, 1},       // press: on
    };
    for (const Step& s : steps) {
        host.playback = s.playback;
        host.journal().clear();
        EXPECT_EQ(host.pressKey(*record, s.key, s.down), 0);
        EXPECT_EQ(vessel->lights(), s.flagAfter);
        // Without a visual the key still sets every beacon to the flag.
        if (s.key == OAPI_KEY_L && s.down && !s.playback) {
            EXPECT_TRUE(allBeaconsActive(*record, s.flagAfter != 0));
        }
        // The key handler itself makes no host call but the replay query.
        for (const auto& op : host.journal().ops())
            EXPECT_EQ(op, "Playback");
    }
}

TEST_F(VeskarTest, GenericCockpitLooksDownTheTether)
{
    EXPECT_TRUE(host.loadGenericCockpit(*record));
    EXPECT_VEC_NEAR(record->camera.offset, (VECTOR3{0, 0, 0}), 0.0);
    EXPECT_VEC_NEAR(record->camera.direction, (VECTOR3{0, 0, -1}), 0.0);
    EXPECT_DOUBLE_EQ(record->camera.left, kPi);
    EXPECT_DOUBLE_EQ(record->camera.right, kPi);
    EXPECT_DOUBLE_EQ(record->camera.up, 1.570796326794895);
    EXPECT_DOUBLE_EQ(record->camera.down, 1.570796326794895);
}
