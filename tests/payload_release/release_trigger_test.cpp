// The armed release and the angle display, driven through the host: the plug-in loaded
// from the build tree, the real tether turned so that its payload angle takes the values
// a case needs.

#include <limits>

#include "tests/payload_release/release_rig.h"

using release_test::ReleaseRig;
using release_test::ReleaseTest;

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(ReleaseTrigger, FiresOnlyWhenThePositiveAngleWouldTurnNegativeNextStep)
{
    const struct {
        const char* what;
        double previous;  // the angle read one step before [rad]
        double angle;     // the angle read in the step under test [rad]
        bool armed;
        bool fires;
    } cases[] = {
        {"falling, extrapolated below zero", 0.02, 0.005, true, true},
        {"falling, extrapolated still above zero", 0.02, 0.015, true, false},
        {"exactly zero", 0.02, 0.0, true, false},
        {"not a number", 0.02, kNaN, true, false},
        {"rising from negative", -0.02, 0.005, true, false},
        {"disarmed", 0.02, 0.005, false, false},
    };
    for (const auto& c : cases) {
        ReleaseRig rig;
        rig.dock();
        rig.setAngle(c.previous);
        ASSERT_TRUE(rig.pick());
        rig.step();
        if (c.armed) {
            ASSERT_TRUE(rig.click(IDC_ARM_BUTTON));
            ASSERT_EQ(rig.text(IDC_ARM_BUTTON), "Disarm Payload Release") << c.what;
        }
        if (std::isnan(c.angle))
            rig.setNaNAngle();
        else
            rig.setAngle(c.angle);
        rig.step();
        EXPECT_EQ(!rig.docked(), c.fires) << c.what;
        const bool stillArmed = c.armed && !c.fires;
        EXPECT_EQ(rig.text(IDC_ARM_BUTTON), stillArmed ? "Disarm Payload Release" : "Arm Payload Release") << c.what;
        EXPECT_EQ(rig.debugLine(), "") << c.what;
    }
}

TEST_F(ReleaseTest, AngleIsWrittenAtOnceThenEveryTenthOfASecond)
{
    dock();
    ASSERT_TRUE(pick());
    // One step is 1/32 s: after a write the timer sums 1/32 four times (0.125 >= 0.1), so
    // the fifth step after a write writes again. Angles rise by 0.1 rad a step.
    const char* const shown[11] = {"5.73\xB0",  "5.73\xB0",  "5.73\xB0",  "5.73\xB0",  "5.73\xB0", "34.38\xB0",
                                   "34.38\xB0", "34.38\xB0", "34.38\xB0", "34.38\xB0", "63.03\xB0"};
    for (int k = 1; k <= 11; ++k) {
        setAngle(0.1 * k);
        step();
        EXPECT_EQ(text(IDC_ANGLE_TEXT), shown[k - 1]) << "step " << k;
    }
}

TEST_F(ReleaseTest, AngleTextIsDegreesWithTwoDecimalsAndTheDegreeByte)
{
    dock();
    const struct {
        double angle;  // [rad]
        const char* text;
    } cases[] = {{0.5, "28.65\xB0"}, {-0.5, "-28.65\xB0"}, {0.0, "0.00\xB0"}, {3.0, "171.89\xB0"}};
    for (const auto& c : cases) {
        setAngle(c.angle);
        ASSERT_TRUE(pick());  // each command makes the next step write at once
        step();
        EXPECT_EQ(text(IDC_ANGLE_TEXT), c.text);
    }
}

TEST_F(ReleaseTest, RefusedReleaseStaysArmedKeepsTheTextAndTriesAgain)
{
    host.undockingRefused = true;
    dock();
    ASSERT_TRUE(pick());
    // Rising angles (nothing due) until the display timer is due again: written at 0.04.
    for (double a : {0.04, 0.05, 0.06, 0.07, 0.08}) {
        setAngle(a);
        step();
    }
    ASSERT_EQ(text(IDC_ANGLE_TEXT), "2.29\xB0");
    ASSERT_TRUE(click(IDC_ARM_BUTTON));

    for (double a : {0.03, 0.01}) {  // each extrapolates below zero: 2a - previous < 0
        host.debugString()[0] = '\0';
        setAngle(a);
        step();
        EXPECT_EQ(debugLine(), "Veskar error releasing paylod") << a;
        EXPECT_TRUE(docked());
        EXPECT_EQ(text(IDC_ARM_BUTTON), "Disarm Payload Release");
        EXPECT_EQ(text(IDC_ANGLE_TEXT), "2.29\xB0") << "not rewritten in a failed step";
    }

    // The host agrees: released, disarmed, and the timer still due writes the angle.
    host.undockingRefused = false;
    host.debugString()[0] = '\0';
    setAngle(0.004);
    step();
    EXPECT_FALSE(docked());
    EXPECT_EQ(text(IDC_ARM_BUTTON), "Arm Payload Release");
    EXPECT_EQ(text(IDC_ANGLE_TEXT), "0.23\xB0");
    EXPECT_EQ(debugLine(), "");
}

TEST_F(ReleaseTest, WithoutPayloadDisarmsAndKeepsTimerAndPreviousAngle)
{
    dock();
    setAngle(0.02);
    ASSERT_TRUE(pick());
    step();  // previous angle 0.02; the text is written and the timer starts again
    ASSERT_EQ(text(IDC_ANGLE_TEXT), "1.15\xB0");
    ASSERT_TRUE(click(IDC_ARM_BUTTON));

    sim::detachPorts(host, *tether->docks[release_test::kPayloadPort]);
    payload->state.pos = kOrbitPos + VECTOR3{0.0, 0.0, 5000.0};  // out of reach of the port
    step(1.0);  // a long step: a running timer would be due after it
    EXPECT_EQ(text(IDC_ARM_BUTTON), "Arm Payload Release");
    EXPECT_EQ(text(IDC_ANGLE_TEXT), "-xxx.xx");
    EXPECT_NE(dialog(), nullptr);

    // Docked again and armed: 0.005 after the 0.02 kept from before extrapolates below
    // zero, so the release fires; the timer, not advanced by the long step, is not due.
    dock();
    ASSERT_TRUE(click(IDC_ARM_BUTTON));
    setAngle(0.005);
    step();
    EXPECT_FALSE(docked());
    EXPECT_EQ(text(IDC_ANGLE_TEXT), "-xxx.xx");
}
