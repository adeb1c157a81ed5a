// Custom commands: registered and withdrawn through the host functions, picked by label.

#include <gtest/gtest.h>

#include "sim/host.h"
#include "tests/support/test_tree.h"

namespace {

std::vector<std::pair<std::string, void*>> g_ran;
DWORD g_selfId = 0;

void recordA(void* context)
{
    g_ran.emplace_back("A", context);
}
void recordB(void* context)
{
    g_ran.emplace_back("B", context);
}
// Withdraws itself while it runs.
void withdrawSelf(void*)
{
    g_ran.emplace_back("self", nullptr);
    EXPECT_TRUE(oapiUnregisterCustomCmd(g_selfId));
}

class CustomCommandsTest : public ::testing::Test {
protected:
    CustomCommandsTest() { g_ran.clear(); }
    testing_support::ScratchTree tree;
    sim::Host host{tree.path()};
};

}  // namespace

TEST_F(CustomCommandsTest, PickedByLabelWithTheirContext)
{
    int contextA = 0;
    const DWORD a = oapiRegisterCustomCmd("Alpha", "first", recordA, &contextA);
    const DWORD b = oapiRegisterCustomCmd("Beta", nullptr, recordB, nullptr);
    EXPECT_NE(a, 0u);
    EXPECT_NE(b, 0u);
    EXPECT_NE(a, b);
    const auto& list = host.customCommands().list();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].label, "Alpha");
    EXPECT_EQ(list[0].description, "first");
    EXPECT_EQ(list[1].description, "");

    EXPECT_TRUE(host.customCommands().pick("Beta"));
    EXPECT_TRUE(host.customCommands().pick("Alpha"));
    EXPECT_FALSE(host.customCommands().pick("alpha"));
    EXPECT_EQ(g_ran, (std::vector<std::pair<std::string, void*>>{{"B", nullptr}, {"A", &contextA}}));

    EXPECT_TRUE(oapiUnregisterCustomCmd(a));
    EXPECT_FALSE(oapiUnregisterCustomCmd(a));
    EXPECT_FALSE(host.customCommands().pick("Alpha"));
    // Ids are not handed out again.
    EXPECT_NE(oapiRegisterCustomCmd("Gamma", "", recordA, nullptr), a);
}

TEST_F(CustomCommandsTest, WithoutALabelOrCallbackNothingIsRegistered)
{
    EXPECT_EQ(oapiRegisterCustomCmd(nullptr, "d", recordA, nullptr), 0u);
    EXPECT_EQ(oapiRegisterCustomCmd("", "d", recordA, nullptr), 0u);
    EXPECT_EQ(oapiRegisterCustomCmd("Label", "d", nullptr, nullptr), 0u);
    EXPECT_TRUE(host.customCommands().list().empty());
    EXPECT_FALSE(oapiUnregisterCustomCmd(0));
}

TEST_F(CustomCommandsTest, ACommandMayWithdrawItselfWhileItRuns)
{
    g_selfId = oapiRegisterCustomCmd("Once", "", withdrawSelf, nullptr);
    EXPECT_TRUE(host.customCommands().pick("Once"));
    EXPECT_FALSE(host.customCommands().pick("Once"));
    EXPECT_EQ(g_ran.size(), 1u);
}
