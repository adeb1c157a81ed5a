// The tether's 22 beacon lights as the host holds them: where they sit, how they grow
// with the camera's distance, and when they are on.

#include <cmath>

#include "host/keys.h"
#include "sim/mat3.h"
#include "tests/support/vector_expect.h"
#include "tests/veskar/veskar_fixture.h"

namespace {

constexpr double kCgFull = -8976.524451384763;  // centre of gravity, build frame z [m]; see mass_properties_test.cpp

struct LightRow {
    std::size_t segment;
    VECTOR3 offset;  // from the segment's position [m]
    int kind;
};

// In registration order: segment 0, 1, 2, 3, each in its table's order.
const LightRow kLights[22] = {
    {0, {0, 3.02, -73.27}, 0}, {0, {0, -3.02, -73.27}, 1}, {0, {-3.02, 0, -73.27}, 2},
    {0, {3.02, 0, -73.27}, 3}, {0, {-3.87, 0, -26.35}, 4}, {0, {3.87, 0, -26.35}, 4},
    {1, {4.6, 0, -20000.42}, 4}, {1, {-4.6, 0, -20000.42}, 4}, {1, {-4.6, 0, 1.57}, 4}, {1, {4.6, 0, 1.57}, 4},
    {2, {4.6, 0, -20000.42}, 4}, {2, {-4.6, 0, -20000.42}, 4}, {2, {-4.6, 0, 1.57}, 4}, {2, {4.6, 0, 1.57}, 4},
    {3, {-0.37, 0.35, 20036.37}, 4}, {3, {0.45, -0.2, 20018.33}, 4}, {3, {-2.33, 0.48, 19996.69}, 4},
    {3, {-0.52, 2.12, 19993.58}, 2}, {3, {2.46, 0.38, 19993.6}, 3}, {3, {0.45, 0.4, -20036.37}, 4},
    {3, {0.45, 0.4, -20018.33}, 4}, {3, {0.91, -1.89, -19993.87}, 4},
};

struct KindRow {
    VECTOR3 colour;
    double exponent;
    double duration;  // [s]
    std::size_t sample;  // a light of this kind, index into kLights
};
const KindRow kKinds[5] = {
    {{1, 1, 1}, 0.6, 0.0, 0},
    {{1, 1, 1}, 0.3, 0.0, 1},
    {{1, 0, 0}, 0.3, 0.0, 2},
    {{0, 1, 0}, 0.3, 0.0, 18},
    {{1, 1, 1}, 0.7, 0.25, 14},
};

}  // namespace

class BeaconsTest : public VeskarTest {
protected:
    BeaconsTest() { host.visuals().setAutomatic(false); }  // the tests create visuals themselves

    const BEACONLIGHTSPEC& light(std::size_t n) const { return *record->beacons.at(n); }
    bool all(bool active) const
    {
        return std::all_of(record->beacons.begin(), record->beacons.end(),
                           [&](const BEACONLIGHTSPEC* b) { return b->active == active; });
    }
    // Puts the camera `distance` metres from light `n`, along `dir` in the global frame.
    void cameraFrom(std::size_t n, double distance, const VECTOR3& dir)
    {
        VECTOR3 g{};
        vessel->Local2Global(*light(n).pos, g);
        host.cameraPos = g + unit(dir) * distance;
    }
};

TEST_F(BeaconsTest, TwentyTwoLightsInOrderWhereTheShiftPutsThem)
{
    ASSERT_EQ(record->beacons.size(), 22u);
    ASSERT_EQ(host.journal().calls("AddBeacon").size(), 22u);
    for (std::size_t n = 0; n < 22; ++n) {
        const LightRow& row = kLights[n];
        const KindRow& kind = kKinds[row.kind];
        const BEACONLIGHTSPEC& b = light(n);
        // The build frame's table position moved by the centre-of-gravity shift.
        const VECTOR3 expected = kBuildPositions[row.segment] + row.offset - VECTOR3{0, 0, kCgFull};
        EXPECT_VEC_NEAR(*b.pos, expected, 1e-9) << "light " << n;
        EXPECT_VEC_NEAR(*b.col, kind.colour, 0.0) << "light " << n;
        EXPECT_EQ(b.shape, 2u);
        EXPECT_EQ(b.size, 0.7);
        EXPECT_EQ(b.falloff, 0.0);
        EXPECT_EQ(b.period, 0.0);
        EXPECT_EQ(b.duration, kind.duration) << "light " << n;
        EXPECT_EQ(b.tofs, 0.0);
        EXPECT_FALSE(b.active) << "light " << n;
    }
}

TEST_F(BeaconsTest, SizesFollowTheCameraDistanceByKind)
{
    // A turned vessel away from the origin, so that Local2Global must use both.
    record->state.R = sim::rotationFromAngles({0.3, -0.7, 1.1});
    record->state.pos = {1500.0, -800.0, 250.0};
    const double distances[] = {20.0, 50.0, 100.0, 1000.0, 20000.0};  // [m]
    for (std::size_t k = 0; k < 5; ++k) {
        for (double d : distances) {
            cameraFrom(kKinds[k].sample, d, {1.0, -2.0, 0.5});
            record->callbacks()->clbkPreStep(0.0, 0.1, 51544.5);
            const double factor = d > 50.0 ? std::pow(d / 50.0, kKinds[k].exponent) : 1.0;
            EXPECT_NEAR(light(kKinds[k].sample).size, 0.7 * factor, 1e-9) << "kind " << k << " at " << d << " m";
        }
    }
    // The figures of the size table, for the record: kind 4 at 100 m, kind 0 at 20 km.
    cameraFrom(14, 100.0, {0, 1, 0});
    record->callbacks()->clbkPreStep(0.0, 0.1, 51544.5);
    EXPECT_NEAR(light(14).size, 1.13715335, 1e-8);  // 0.7 * 2^0.7
    cameraFrom(0, 20000.0, {0, 1, 0});
    record->callbacks()->clbkPreStep(0.0, 0.1, 51544.5);
    EXPECT_NEAR(light(0).size, 25.48789884, 1e-8);  // 0.7 * 400^0.6
}

TEST_F(BeaconsTest, EveryHostStepResizesEveryLight)
{
    // One camera position far out along +x: each light's size follows its own distance.
    host.cameraPos = {5000.0, 0.0, 0.0};
    host.step(0.01);
    for (std::size_t n = 0; n < 22; ++n) {
        VECTOR3 g{};
        vessel->Local2Global(*light(n).pos, g);
        const double d = length(g - host.cameraPos);
        EXPECT_NEAR(light(n).size, 0.7 * std::pow(d / 50.0, kKinds[kLights[n].kind].exponent), 1e-9) << n;
    }
    // One camera query per segment and one mapping per light, each step.
    host.journal().clear();
    host.step(0.01);
    EXPECT_EQ(host.journal().calls("oapiCameraGlobalPos").size(), 4u);
    EXPECT_EQ(host.journal().calls("Local2Global").size(), 22u);
}

TEST_F(BeaconsTest, OffUntilAVisualThenOnWithItTwice)
{
    EXPECT_TRUE(all(false));
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(host.visuals().create(*record));
        EXPECT_TRUE(all(true)) << "round " << round;
        host.pressKey(*record, OAPI_KEY_L);
        EXPECT_TRUE(all(false)) << "round " << round;
        host.pressKey(*record, OAPI_KEY_L);
        EXPECT_TRUE(all(true)) << "round " << round;
        ASSERT_TRUE(host.visuals().destroy(*record));
        EXPECT_TRUE(all(false)) << "round " << round;
    }
    // A visual's creation sizes the lights from the camera before it switches them on.
    host.cameraPos = {0.0, 0.0, 1.0e6};
    host.visuals().create(*record);
    EXPECT_GT(light(0).size, 0.7);
}
