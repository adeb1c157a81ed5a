// Plug-ins: the host's list file, loading from Modules/Plugin/, the order of the entry
// points, and the errors for a bad list or module.

#include <dlfcn.h>

#include <gtest/gtest.h>

#include "sim/current_host.h"
#include "sim/errors.h"
#include "sim/host.h"
#include "tests/support/test_tree.h"

using testing_support::ScratchTree;

namespace {

// A tree with the test plug-in at Modules/Plugin/TestPlugin.so and the given list file.
struct PluginTree {
    explicit PluginTree(const std::string& list)
    {
        copy(TEST_PLUGIN, "TestPlugin");
        tree.write("Config/Plugins.cfg", list);
    }
    void copy(const char* file, const std::string& name) const
    {
        std::filesystem::create_directories(tree.path() / "Modules/Plugin");
        std::filesystem::copy_file(file, tree.path() / "Modules/Plugin" / (name + ".so"));
    }
    std::filesystem::path plugin() const { return tree.path() / "Modules/Plugin/TestPlugin.so"; }
    ScratchTree tree;
};

// The test plug-in's log, read through a handle of the test's own, which keeps the module
// loaded (and its log readable) after the host has let it go.
class PluginLog {
public:
    explicit PluginLog(const std::filesystem::path& file) : handle_(dlopen(file.c_str(), RTLD_NOW))
    {
        EXPECT_NE(handle_, nullptr) << dlerror();
    }
    ~PluginLog()
    {
        if (handle_)
            dlclose(handle_);
    }
    std::string text() const
    {
        const auto log = reinterpret_cast<const char* (*)()>(dlsym(handle_, "testPluginLog"));
        return log ? log() : "(no log)";
    }

private:
    void* handle_;
};

// A vessel whose pre-step callback notes itself in the host's journal.
class Stepper final : public VESSEL2 {
public:
    using VESSEL2::VESSEL2;
    void clbkPreStep(double, double, double) override { sim::currentHost()->journal().record("", "clbkPreStep"); }
};
VESSEL* stepperInit(OBJHANDLE h, int fm)
{
    return new Stepper(h, fm);
}
void stepperExit(VESSEL* v)
{
    delete static_cast<Stepper*>(v);
}

}  // namespace

TEST(Plugins, InitOnceThenPreStepAtTheStartOfEveryStepThenExit)
{
    PluginTree t("; the test plug-in\n\n  TestPlugin  ; trailing comment\n");
    PluginLog log(t.plugin());
    {
        sim::Host host(t.tree.path());
        host.createVessel("V", "Stepper", {&stepperInit, &stepperExit});
        EXPECT_EQ(log.text(), "");  // nothing before the host starts its plug-ins
        host.plugins().start();
        host.plugins().start();
        EXPECT_EQ(log.text(), "init;");
        ASSERT_EQ(host.plugins().loaded().size(), 1u);
        EXPECT_EQ(host.plugins().loaded()[0]->name, "TestPlugin");
        ASSERT_EQ(host.customCommands().list().size(), 1u);
        EXPECT_EQ(host.customCommands().list()[0].label, "Test Command");

        host.journal().enable();
        host.step(0.5);
        host.step(0.25);
        EXPECT_EQ(log.text(), "init;pre 0 0.5;pre 0.5 0.25;");
        // The plug-in's call comes before the vessel's own pre-step in each step.
        EXPECT_EQ(host.journal().ops(),
                  (std::vector<std::string>{"oapiGetVesselCount", "clbkPreStep", "oapiGetVesselCount", "clbkPreStep"}));
        EXPECT_TRUE(host.customCommands().pick("Test Command"));
    }
    EXPECT_EQ(log.text(), "init;pre 0 0.5;pre 0.5 0.25;command;exit;");
}

TEST(Plugins, WithoutAListNoPluginIsLoaded)
{
    ScratchTree tree;
    sim::Host host(tree.path());
    EXPECT_NO_THROW(host.plugins().start());
    EXPECT_TRUE(host.plugins().loaded().empty());
    host.step(0.1);
}

TEST(Plugins, BadListsAndModulesNameTheListLineAndStartNothing)
{
    const struct {
        const char* list;
        const char* problem;  // after "Config/Plugins.cfg:"
        const char* detail;
    } cases[] = {
        {"; first\nTestPlugin\n\n../Escape\n", "4: '../Escape' is not a plug-in name below Modules/Plugin/", ""},
        {"TestPlugin\nTestPlugin\n", "2: plug-in 'TestPlugin' is listed twice (first on line 1)", ""},
        {"TestPlugin\nMissing\n", "2: plug-in 'Missing': ", "Modules/Plugin/Missing.so: module 'Missing' not found"},
        {"NoEntry\n", "1: plug-in 'NoEntry': ",
         "NoEntry.so has none of the entry points InitModule, ExitModule, opcPreStep"},
        {"Garbage\n", "1: plug-in 'Garbage': ", "Modules/Plugin/Garbage.so: cannot load module"},
        {"BadRes\n", "1: plug-in 'BadRes': ", "BadRes.so: resources, byte 0: not a compiled resource file"},
    };
    for (const auto& c : cases) {
        PluginTree t(c.list);
        t.copy(NO_ENTRY_MODULE, "NoEntry");
        t.copy(BAD_RESOURCE_PLUGIN, "BadRes");
        t.tree.write("Modules/Plugin/Garbage.so", "not a shared library");
        PluginLog log(t.plugin());
        sim::Host host(t.tree.path());
        std::string message = "(no error)";
        try {
            host.plugins().start();
        } catch (const sim::InputError& e) {
            message = e.what();
        }
        const std::string where = (t.tree.path() / "Config/Plugins.cfg").string() + ":";
        EXPECT_NE(message.find(where + c.problem), std::string::npos) << message;
        EXPECT_NE(message.find(c.detail), std::string::npos) << message;
        EXPECT_TRUE(host.plugins().loaded().empty()) << message;
        EXPECT_EQ(log.text(), "") << message;  // not even the good plug-in was started
    }
}
