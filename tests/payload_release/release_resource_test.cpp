// Dialog 102 as the resource compiler wrote it, and as the plug-in carries it.

#include <dlfcn.h>

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

const sim::ResourceEntry& onlyDialog(const std::vector<sim::ResourceEntry>& entries)
{
    EXPECT_EQ(entries.size(), 1u);
    return entries.at(0);
}

}  // namespace

TEST(ReleaseResource, CompiledTemplateCarriesEveryValue)
{
    const std::vector<std::uint8_t> bytes = readFile(RELEASE_DIALOG_RES);
    ASSERT_FALSE(bytes.empty()) << RELEASE_DIALOG_RES;
    const auto entries = sim::readResources(bytes, RELEASE_DIALOG_RES);
    const sim::ResourceEntry& e = onlyDialog(entries);
    EXPECT_TRUE(e.type.is(sim::kResourceTypeDialog));
    EXPECT_TRUE(e.name.is(102));
    const sim::DialogTemplate t = sim::readDialogTemplate(e.data, RELEASE_DIALOG_RES, "dialog 102", e.offset);

    EXPECT_EQ(t.style, 0x80C000C0u);  // WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT
    EXPECT_EQ(t.exStyle, 0x80u);      // WS_EX_TOOLWINDOW
    EXPECT_EQ(t.helpId, 0u);
    EXPECT_EQ((std::vector<int>{t.x, t.y, t.cx, t.cy}), (std::vector<int>{0, 0, 124, 89}));
    EXPECT_FALSE(t.menu.ordinal);
    EXPECT_TRUE(t.menu.name.empty());
    EXPECT_FALSE(t.windowClass.ordinal);
    EXPECT_TRUE(t.windowClass.name.empty());
    EXPECT_EQ(t.title, u"Veskar Payload Release");
    ASSERT_TRUE(t.font);
    EXPECT_EQ(t.font->pointSize, 8);
    EXPECT_EQ(t.font->weight, 400);
    EXPECT_EQ(t.font->italic, 0);
    EXPECT_EQ(t.font->charset, 0);
    EXPECT_EQ(t.font->typeface, u"MS Sans Serif");

    const struct {
        DWORD id;
        WORD cls;  // 0x80 button, 0x82 static
        const char16_t* text;
        DWORD style;
        int x, y, cx, cy;
    } controls[] = {
        {1, 0x80, u"Arm Payload Release", 0x50010001, 11, 12, 102, 30},
        {1003, 0x82, u"Angle between payload velocity vector and tether velocity vector:", 0x50020001, 7, 48, 108, 18},
        {1004, 0x80, u"Vessel: Vessel name", 0x50000007, 5, 0, 114, 84},
        {1005, 0x82, u"-xxx.xx", 0x50021201, 47, 66, 30, 12},
    };
    ASSERT_EQ(t.items.size(), std::size(controls));
    for (std::size_t i = 0; i < t.items.size(); ++i) {
        const sim::DialogItemTemplate& item = t.items[i];
        const auto& c = controls[i];
        EXPECT_EQ(item.id, c.id) << i;
        EXPECT_TRUE(item.windowClass.is(c.cls)) << i;
        EXPECT_FALSE(item.text.ordinal) << i;
        EXPECT_EQ(item.text.name, c.text) << i;
        EXPECT_EQ(item.style, c.style) << i;
        EXPECT_EQ((std::vector<int>{item.x, item.y, item.cx, item.cy}), (std::vector<int>{c.x, c.y, c.cx, c.cy})) << i;
        EXPECT_EQ(item.helpId, 0u) << i;
        EXPECT_EQ(item.exStyle, 0u) << i;
        EXPECT_TRUE(item.extra.empty()) << i;
    }
}

TEST_F(ReleaseTest, PluginCarriesTheCompiledBytesInItsOwnFile)
{
    ASSERT_EQ(host.plugins().loaded().size(), 1u);
    const HostModule& plugin = *host.plugins().loaded().front();
    EXPECT_EQ(plugin.library->file(), testing_support::buildTree() / "Modules/Plugin/VeskarPayloadRelease.so");
    const auto carried = sim::embeddedResources(*plugin.library);
    ASSERT_TRUE(carried);
    EXPECT_EQ(std::vector<std::uint8_t>(carried->begin(), carried->end()), readFile(RELEASE_DIALOG_RES));
    EXPECT_EQ(plugin.resources.dialogs.count(102), 1u);
    // The tether module it links against carries none.
    EXPECT_FALSE(sim::embeddedResources(host.modules().load("Veskar")));
}

TEST_F(ReleaseTest, PluginExportsItsEntryPointsAndResourcesOnly)
{
    const sim::LoadedModule& m = *host.plugins().loaded().front()->library;
    for (const char* name : {"InitModule", "ExitModule", "opcPreStep", "hostModuleResources", "hostModuleResourcesSize"})
        EXPECT_NE(m.symbol(name), nullptr) << name;
    // The command, the dialog procedure and the module state stay inside.
    for (const char* name : {"_ZN15payload_release17openReleaseDialogEPv", "_ZN15payload_release5armedE",
                             "_ZN15payload_release12tetherVesselE", "_ZN15payload_release10liveTetherEv"})
        EXPECT_EQ(dlsym(m.nativeHandle(), name), nullptr) << name;
}
