// `veskar-sim inspect` also shows the plug-ins the host started and their commands.

#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/commands.h"
#include "sim/errors.h"
#include "tests/support/test_tree.h"

TEST(InspectPlugins, ListsThePluginsAndTheirCommands)
{
    std::ostringstream json;
    ASSERT_EQ(app::runInspect(testing_support::buildTree(), {"Veskar", true}, json), 0);
    const auto j = nlohmann::json::parse(json.str());
    EXPECT_EQ(j["plugins"], nlohmann::json::array({"VeskarPayloadRelease"}));
    ASSERT_EQ(j["customCommands"].size(), 1u);
    EXPECT_EQ(j["customCommands"][0]["label"], "Veskar Payload Release");
    EXPECT_EQ(j["customCommands"][0]["description"], "Opens the Veskar Payload Release dialog");

    std::ostringstream text;
    ASSERT_EQ(app::runInspect(testing_support::buildTree(), {"Veskar", false}, text), 0);
    EXPECT_NE(text.str().find("label Veskar Payload Release, description Opens the Veskar Payload Release dialog"),
              std::string::npos)
        << text.str();
}

TEST(InspectPlugins, APluginListNamingAMissingModuleIsAnError)
{
    testing_support::ScratchTree tree;
    tree.copyFromBuild("Config/Vessels/Veskar.cfg");
    tree.copyFromBuild("Modules/Veskar.so");
    tree.write("Config/Plugins.cfg", "; plug-ins\nNotThere\n");
    std::ostringstream out;
    try {
        app::runInspect(tree.path(), {"Veskar", true}, out);
        ADD_FAILURE() << "no error";
    } catch (const sim::InputError& e) {
        EXPECT_EQ(e.file(), tree.path() / "Config/Plugins.cfg");
        EXPECT_EQ(e.line(), 2);
        EXPECT_NE(e.problem().find("plug-in 'NotThere'"), std::string::npos) << e.what();
    }
}
