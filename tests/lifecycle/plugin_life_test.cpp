// The plug-in's part of the lifecycle suite: vessels deleted while its dialog is open, in
// every state the dialog can be in, and a host that ends with the dialog open. The rig is
// the payload release tests' own: the plug-in and the tether loaded from the build tree,
// a payload made in process.

#include "tests/payload_release/release_rig.h"

using release_test::ReleaseRig;

namespace {

const char* const kNotFound = "Veskar-class vessel not found!";
const char* const kArm = "Arm Payload Release";

struct Deletion {
    const char* what;
    bool armed;          // the release armed before the deletion
    bool tetherVisual;   // the tether's visual exists at the deletion
    bool released;       // the payload already released (the dialog shows no payload)
    bool deleteTether;
    bool deletePayload;
};

const Deletion kDeletions[] = {
    {"the payload, armed", true, false, false, false, true},
    {"the payload, disarmed, tether in view", false, true, false, false, true},
    {"the released payload", false, false, true, false, true},
    {"the tether, armed", true, false, false, true, false},
    {"the tether in view, armed", true, true, false, true, false},
    {"the tether after the release", false, true, true, true, false},
    {"both, armed", true, true, false, true, true},
};

TEST(PluginLife, VesselsDeletedWhileTheDialogIsOpen)
{
    for (const Deletion& c : kDeletions) {
        ReleaseRig rig;
        sim::Host& host = rig.host;
        host.visuals().setAutomatic(false);
        rig.dock();
        rig.setAngle(0.02);
        ASSERT_TRUE(rig.pick()) << c.what;
        rig.step();
        if (c.armed || c.released) {
            ASSERT_TRUE(rig.click(IDC_ARM_BUTTON)) << c.what;
        }
        if (c.released) {
            rig.setAngle(0.005);
            rig.step();
            ASSERT_FALSE(rig.docked()) << c.what;
        }
        if (c.tetherVisual) {
            ASSERT_TRUE(host.visuals().create(*rig.tether)) << c.what;
        }

        if (c.deletePayload)
            host.destroyVessel(*rig.payload);
        if (c.deleteTether)
            host.destroyVessel(*rig.tether);
        host.journal().enable();
        for (int k = 0; k < 3; ++k)
            rig.step();

        if (c.deleteTether) {
            EXPECT_EQ(rig.dialog(), nullptr) << c.what;
            EXPECT_EQ(rig.debugLine(), kNotFound) << c.what;
            EXPECT_TRUE(rig.pick()) << c.what;  // no tether to find: closes again at once
            EXPECT_EQ(rig.dialog(), nullptr) << c.what;
        } else {
            ASSERT_NE(rig.dialog(), nullptr) << c.what;
            EXPECT_EQ(rig.text(IDC_ARM_BUTTON), kArm) << c.what << ": a deleted payload cannot stay armed";
            EXPECT_EQ(rig.text(IDC_ANGLE_TEXT), "-xxx.xx") << c.what;
            EXPECT_TRUE(rig.click(IDC_ARM_BUTTON)) << c.what;  // nothing to arm: closes
            EXPECT_EQ(rig.dialog(), nullptr) << c.what;
        }
        for (const auto& e : host.journal().entries()) {
            if (c.deleteTether) {
                EXPECT_NE(e.vessel, "Tether") << c.what << ": " << e.op << " on a deleted tether";
            }
            if (c.deletePayload) {
                EXPECT_NE(e.vessel, "Payload") << c.what << ": " << e.op << " on a deleted payload";
            }
        }
    }
}

// The host's end with the dialog open and armed, the payload docked and the tether in
// view; a second host after it starts the plug-in afresh, disarmed.
TEST(PluginLife, HostEndsWithTheDialogOpenAndArmed)
{
    for (int round = 0; round < 2; ++round) {
        ReleaseRig rig;
        rig.host.visuals().setAutomatic(false);
        rig.dock();
        ASSERT_TRUE(rig.pick());
        rig.setAngle(0.02);
        rig.step();
        rig.setAngle(0.005);  // would release now if armed
        rig.step();
        EXPECT_TRUE(rig.docked()) << "round " << round << ": armed before the button was pressed";
        ASSERT_TRUE(rig.click(IDC_ARM_BUTTON));
        EXPECT_EQ(rig.text(IDC_ARM_BUTTON), "Disarm Payload Release") << "round " << round;
        ASSERT_TRUE(rig.host.visuals().create(*rig.tether));
        rig.step();  // the angle holds still: no release
        EXPECT_TRUE(rig.docked()) << "round " << round;
    }
}

}  // namespace
