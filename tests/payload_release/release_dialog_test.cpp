// The custom command, the dialog and its buttons, the search for the tether, and a
// tether deleted while the dialog is open.

#include "tests/payload_release/release_rig.h"

using release_test::kCommand;
using release_test::kPayloadModule;
using release_test::ReleaseRig;
using release_test::ReleaseTest;

namespace {

const char* const kNotFound = "Veskar-class vessel not found!";

// A host with the plug-ins started and the given vessels, made in the given order:
// (name, class) pairs, class "Veskar" from its module, any other class in process.
class SearchHost {
public:
    SearchHost(std::initializer_list<std::pair<const char*, const char*>> vessels) : host(testing_support::buildTree())
    {
        host.plugins().start();
        for (const auto& [name, cls] : vessels) {
            if (std::string(cls) == "Veskar")
                host.createVessel(name, cls);
            else
                host.createVessel(name, cls, kPayloadModule);
        }
    }
    std::string groupCaption()
    {
        const auto open = host.dialogs().openDialogs();
        return open.empty() ? std::string("(no dialog)")
                            : host.dialogs().text(GetDlgItem(open.front(), IDC_TETHER_GROUP));
    }
    sim::Host host;
};

}  // namespace

TEST_F(ReleaseTest, InitModuleRegistersTheCommandAndExitModuleWithdrawsIt)
{
    const auto& commands = host.customCommands().list();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].label, "Veskar Payload Release");
    EXPECT_EQ(commands[0].description, "Opens the Veskar Payload Release dialog");
    host.plugins().stop();
    EXPECT_TRUE(host.customCommands().list().empty());
    EXPECT_FALSE(pick());
}

TEST_F(ReleaseTest, CommandOpensTheDialogFromTheResourceAndNamesTheTether)
{
    ASSERT_TRUE(pick());
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(host.dialogs().text(dialog()), "Veskar Payload Release");
    EXPECT_EQ(host.dialogs().flags(dialog()), DLG_CAPTIONCLOSE);
    EXPECT_EQ(text(IDC_ARM_BUTTON), "Arm Payload Release");
    EXPECT_EQ(text(IDC_ANGLE_LABEL), "Angle between payload velocity vector and tether velocity vector:");
    EXPECT_EQ(text(IDC_TETHER_GROUP), "Tether: Tether");
    EXPECT_EQ(text(IDC_ANGLE_TEXT), "-xxx.xx");
    EXPECT_EQ(debugLine(), "");
}

TEST(ReleaseCommand, TakesTheFirstVesselOfExactlyClassVeskar)
{
    SearchHost s{{"Lower", "veskar"}, {"Alpha", "Veskar"}, {"Beta", "Veskar"}};
    ASSERT_TRUE(s.host.customCommands().pick(kCommand));
    EXPECT_EQ(s.groupCaption(), "Tether: Alpha");
}

TEST(ReleaseCommand, WithoutAVeskarSaysSoAndClosesTheDialog)
{
    SearchHost s{{"Lower", "veskar"}, {"Box", "Payload"}};
    ASSERT_TRUE(s.host.customCommands().pick(kCommand));
    EXPECT_TRUE(s.host.dialogs().openDialogs().empty());
    EXPECT_EQ(std::string(s.host.debugString()), kNotFound);
}

TEST(ReleaseCommand, LongTetherNamesDoNotOverflowTheCaption)
{
    const std::string forty = "Tether-of-forty-characters-0123456789abc";
    ASSERT_EQ(forty.size(), 40u);
    {
        ReleaseRig rig(forty);
        ASSERT_TRUE(rig.pick());
        EXPECT_EQ(rig.text(IDC_TETHER_GROUP), "Tether: " + forty);
    }
    {
        const std::string huge(300, 'n');  // cut short at the caption buffer, 128 bytes
        ReleaseRig rig(huge);
        ASSERT_TRUE(rig.pick());
        EXPECT_EQ(rig.text(IDC_TETHER_GROUP), "Tether: " + huge.substr(0, 127 - 8));
    }
}

TEST_F(ReleaseTest, ButtonOneArmsAndDisarmsEnterPressesItEscAndCaptionCloseCancel)
{
    dock();
    ASSERT_TRUE(pick());
    EXPECT_TRUE(click(IDC_ARM_BUTTON));
    EXPECT_EQ(text(IDC_ARM_BUTTON), "Disarm Payload Release");
    EXPECT_TRUE(host.dialogs().pressEnter(dialog()));
    EXPECT_EQ(text(IDC_ARM_BUTTON), "Arm Payload Release");
    EXPECT_TRUE(host.dialogs().pressEnter(dialog()));
    EXPECT_EQ(text(IDC_ARM_BUTTON), "Disarm Payload Release");
    // Another control's command goes to the host's default handling, which leaves it.
    EXPECT_EQ(host.dialogs().send(dialog(), WM_COMMAND, IDC_ANGLE_TEXT, 0), 0);
    EXPECT_NE(dialog(), nullptr);

    EXPECT_TRUE(host.dialogs().pressEscape(dialog()));
    EXPECT_EQ(dialog(), nullptr);

    // Reopened: the resource's caption, and the release disarmed by the cancel.
    ASSERT_TRUE(pick());
    EXPECT_EQ(text(IDC_ARM_BUTTON), "Arm Payload Release");
    setAngle(0.02);
    step();
    setAngle(0.005);
    step();
    EXPECT_TRUE(docked());

    EXPECT_TRUE(host.dialogs().pressCaptionClose(dialog()));
    EXPECT_EQ(dialog(), nullptr);
}

TEST_F(ReleaseTest, ButtonOneWithoutPayloadClosesTheDialog)
{
    ASSERT_TRUE(pick());
    EXPECT_TRUE(click(IDC_ARM_BUTTON));
    EXPECT_EQ(dialog(), nullptr);
}

// The plug-in keeps a pointer to the tether; once the vessel is gone it must never be
// called again (the sanitizer build turns any such call into a failure).
TEST_F(ReleaseTest, DeletedTetherClosesTheDialogAtTheNextStep)
{
    dock();
    ASSERT_TRUE(pick());
    host.destroyVessel(*tether);
    step();
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(debugLine(), "Veskar-class vessel not found!");
    step();  // closed: nothing more happens
}

TEST_F(ReleaseTest, DeletedTetherBeforeAClickClosesTheDialog)
{
    ASSERT_TRUE(pick());
    host.destroyVessel(*tether);
    EXPECT_TRUE(click(IDC_ARM_BUTTON));
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(debugLine(), "Veskar-class vessel not found!");
}

TEST_F(ReleaseTest, AReleaseArmedForADeletedTetherDoesNotCarryOverToTheNext)
{
    dock();
    ASSERT_TRUE(pick());
    ASSERT_TRUE(click(IDC_ARM_BUTTON));
    host.destroyVessel(*tether);
    ASSERT_TRUE(pick());  // no tether now: the dialog closes
    ASSERT_EQ(dialog(), nullptr);

    tether = &host.createVessel("Second", "Veskar");
    dock();
    ASSERT_TRUE(pick());
    EXPECT_EQ(text(IDC_TETHER_GROUP), "Tether: Second");
    EXPECT_EQ(text(IDC_ARM_BUTTON), "Arm Payload Release");
    setAngle(0.02);
    step();
    setAngle(0.005);
    step();
    EXPECT_TRUE(docked()) << "released without being armed for this tether";
}
