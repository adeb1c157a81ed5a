// On Windows: dialog 102 is a resource of the plug-in's own DLL with the bytes llvm-rc
// compiled from the same script, and the dialog the command opens is a real dialog
// window of the system, created from that module's resource.

#include <windows.h>

#include <fstream>
#include <iterator>

#include "sim/module_resources.h"
#include "tests/payload_release/release_rig.h"

using release_test::ReleaseTest;

namespace {

std::vector<std::uint8_t> readFile(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string classOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

}  // namespace

TEST_F(ReleaseTest, DialogResourceOfThePluginsOwnDllIsTheCompiledScript)
{
    ASSERT_EQ(host.plugins().loaded().size(), 1u);
    const HostModule& plugin = *host.plugins().loaded().front();
    EXPECT_EQ(plugin.library->file(), testing_support::buildTree() / "Modules/Plugin/VeskarPayloadRelease.dll");
    const auto inDll = sim::dialogResource(*plugin.library, IDD_PAYLOAD_RELEASE);
    ASSERT_TRUE(inDll);
    const std::vector<std::uint8_t> res = readFile(RELEASE_DIALOG_RES);
    const auto entries = sim::readResources(res, RELEASE_DIALOG_RES);
    ASSERT_EQ(entries.size(), 1u) << RELEASE_DIALOG_RES;
    EXPECT_EQ(std::vector<std::uint8_t>(inDll->begin(), inDll->end()), entries[0].data);
    EXPECT_EQ(plugin.resources.dialogs.count(IDD_PAYLOAD_RELEASE), 1u);
    // The tether module it links against has none.
    EXPECT_FALSE(sim::dialogResource(host.modules().load("Veskar"), IDD_PAYLOAD_RELEASE));
}

TEST_F(ReleaseTest, PluginExportsItsEntryPointsOnly)
{
    const sim::LoadedModule& m = *host.plugins().loaded().front()->library;
    for (const char* name : {"InitModule", "ExitModule", "opcPreStep"})
        EXPECT_NE(m.symbol(name), nullptr) << name;
    for (const char* name : {"hostModuleResources", "hostModuleResourcesSize", "_ZN15payload_release5armedE",
                             "_ZN15payload_release17openReleaseDialogEPv"})
        EXPECT_EQ(m.symbol(name), nullptr) << name;
}

TEST_F(ReleaseTest, CommandOpensARealDialogFromThePluginsResource)
{
    ASSERT_TRUE(pick());
    HWND d = dialog();
    ASSERT_TRUE(IsWindow(d));
    EXPECT_EQ(classOf(d), "#32770");  // the system's dialog class
    const auto module = reinterpret_cast<HMODULE>(GetWindowLongPtrA(d, GWLP_HINSTANCE));
    EXPECT_EQ(module, static_cast<HMODULE>(host.plugins().loaded().front()->library->nativeHandle()));
    EXPECT_TRUE(IsWindowVisible(d));
    EXPECT_TRUE(GetWindowLongPtrA(d, GWL_STYLE) & WS_SYSMENU);  // the caption's close button

    HWND group = GetDlgItem(d, IDC_TETHER_GROUP);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(classOf(group), "Button");
    char caption[64] = {};
    GetWindowTextA(group, caption, sizeof caption);
    EXPECT_STREQ(caption, "Tether: Tether");
    EXPECT_EQ(classOf(GetDlgItem(d, IDC_ANGLE_TEXT)), "Static");

    EXPECT_TRUE(host.dialogs().pressEscape(d));
    EXPECT_FALSE(IsWindow(d));  // destroyed, not hidden
}
