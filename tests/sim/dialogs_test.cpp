// Dialog windows in process: building from a template, the messages a procedure hears,
// the window text calls, and handles that outlive their dialog.

#include <gtest/gtest.h>

#include "sim/host.h"
#include "sim/windows1252.h"
#include "tests/support/test_tree.h"

namespace {

struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Message> g_heard;

INT_PTR CALLBACK recordingProc(HWND /*dialog*/, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_heard.push_back({message, wParam, lParam});
    return 1;
}

// Closes its own dialog on any command, then uses the dead handle.
INT_PTR CALLBACK closingProc(HWND dialog, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (message == WM_COMMAND) {
        EXPECT_TRUE(oapiCloseDialog(dialog));
        EXPECT_EQ(GetDlgItem(dialog, 5), nullptr);
        EXPECT_EQ(SetWindowTextA(dialog, "gone"), 0);
    }
    return 1;
}

INT_PTR CALLBACK closeOnInitProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG)
        oapiCloseDialog(dialog);
    return 1;
}

sim::DialogItemTemplate item(DWORD id, sim::ResourceId cls, std::u16string text, DWORD style)
{
    sim::DialogItemTemplate i;
    i.id = id;
    i.windowClass = std::move(cls);
    i.text.name = std::move(text);
    i.style = style;
    i.x = 3, i.y = 4, i.cx = 50, i.cy = 14;
    return i;
}

sim::ResourceId ordinal(WORD n)
{
    return {n, {}};
}

// A default button (5), a push button (2), a static, a group box, a disabled button and
// a control of a class named in the template.
sim::DialogTemplate sampleTemplate(bool withDefault = true)
{
    sim::DialogTemplate t;
    t.style = 0x80C000C0;
    t.cx = 100, t.cy = 60;
    t.title = u"Sample \u00B0";
    t.items = {
        item(5, ordinal(0x80), u"Go", withDefault ? 0x50010001 : 0x50010000),
        item(2, ordinal(0x80), u"Cancel", 0x50010000),
        item(10, ordinal(0x82), u"\u20AC \u4E2D", 0x50000000),
        item(11, ordinal(0x80), u"Group", 0x50000007),
        item(12, ordinal(0x80), u"Off", 0x58010000),
        item(13, {std::nullopt, u"MyClass"}, u"", 0x50000000),
    };
    return t;
}

class DialogsTest : public ::testing::Test {
protected:
    DialogsTest() { g_heard.clear(); }
    HWND open(int id = 7, DLGPROC proc = recordingProc, DWORD flags = 0, bool withDefault = true)
    {
        return host.dialogs().open(&module, id, sampleTemplate(withDefault), proc, flags, &context);
    }
    sim::DialogWindow& window(HWND h) { return *host.dialogs().dialog(h); }

    testing_support::ScratchTree tree;
    sim::Host host{tree.path()};
    HostModule module;  // stands for a plug-in's instance handle
    int context = 0;
};

}  // namespace

TEST_F(DialogsTest, OpenBuildsTheControlsAndSendsInitDialogFirst)
{
    const HWND h = open();
    ASSERT_NE(h, nullptr);
    ASSERT_EQ(g_heard.size(), 1u);
    EXPECT_EQ(g_heard[0].message, WM_INITDIALOG);
    EXPECT_EQ(g_heard[0].lParam, reinterpret_cast<LPARAM>(&context));
    EXPECT_EQ(host.dialogs().find(&module, 7), h);
    EXPECT_EQ(host.dialogs().find(&module, 8), nullptr);

    const sim::DialogWindow& d = window(h);
    EXPECT_EQ(d.text, "Sample \xB0");  // single-byte Windows-1252
    EXPECT_EQ(d.className, "#32770");
    std::vector<std::string> classes;
    for (const auto& c : d.controls)
        classes.push_back(c->className);
    EXPECT_EQ(classes, (std::vector<std::string>{"button", "button", "static", "button", "button", "myclass"}));
    EXPECT_EQ(d.control(10)->text, "\x80 ?");  // the euro sign's byte; no byte for the CJK sign
    EXPECT_EQ(d.control(10)->parent, &d);
    EXPECT_EQ(d.defaultButton(), d.control(5));

    // One dialog per (instance, id): opening it again gives the same window, unopened anew.
    EXPECT_EQ(open(), h);
    EXPECT_EQ(g_heard.size(), 1u);
}

TEST_F(DialogsTest, ClicksAndKeysArriveAsCommands)
{
    const HWND h = open();
    const HWND closable = open(8, recordingProc, DLG_CAPTIONCLOSE);
    g_heard.clear();
    const auto lastCommand = [] { return g_heard.empty() ? -1 : static_cast<int>(g_heard.back().wParam); };

    EXPECT_TRUE(host.dialogs().click(h, 2));
    EXPECT_EQ(g_heard.back().message, WM_COMMAND);
    EXPECT_EQ(g_heard.back().wParam, 2u);  // id, BN_CLICKED (0) in the high word
    EXPECT_EQ(g_heard.back().lParam, reinterpret_cast<LPARAM>(GetDlgItem(h, 2)));
    const std::size_t heard = g_heard.size();
    for (int notClickable : {10, 11, 12, 99})  // static, group box, disabled, none
        EXPECT_FALSE(host.dialogs().click(h, notClickable)) << notClickable;
    EXPECT_EQ(g_heard.size(), heard);

    EXPECT_TRUE(host.dialogs().pressEnter(h));
    EXPECT_EQ(lastCommand(), 5);  // the default button
    EXPECT_TRUE(host.dialogs().pressEscape(h));
    EXPECT_EQ(lastCommand(), IDCANCEL);
    EXPECT_FALSE(host.dialogs().pressCaptionClose(h));  // opened without the close button
    EXPECT_TRUE(host.dialogs().pressCaptionClose(closable));
    EXPECT_EQ(lastCommand(), IDCANCEL);

    const HWND plain = open(9, recordingProc, 0, false);
    EXPECT_TRUE(host.dialogs().pressEnter(plain));
    EXPECT_EQ(lastCommand(), IDOK);  // no default button
}

TEST_F(DialogsTest, DefaultHandlingClosesOnCancelOnly)
{
    const HWND h = open(7, nullptr);
    EXPECT_EQ(oapiDefDialogProc(h, WM_COMMAND, IDOK, 0), 0);
    EXPECT_TRUE(host.dialogs().pressEnter(h));
    EXPECT_NE(host.dialogs().dialog(h), nullptr);
    EXPECT_TRUE(host.dialogs().pressEscape(h));
    EXPECT_EQ(host.dialogs().dialog(h), nullptr);
}

TEST_F(DialogsTest, WindowTextsAreSingleBytesAndDeadHandlesAreRefused)
{
    const HWND h = open();
    const HWND control = GetDlgItem(h, 10);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetDlgItem(h, 99), nullptr);
    EXPECT_EQ(SetWindowTextA(control, "12.5\xB0"), 1);
    char buffer[16] = "untouched";
    EXPECT_EQ(GetWindowTextA(control, buffer, sizeof buffer), 5);
    EXPECT_STREQ(buffer, "12.5\xB0");
    EXPECT_EQ(GetWindowTextA(control, buffer, 3), 2);  // cut to fit, terminated
    EXPECT_STREQ(buffer, "12");
    EXPECT_EQ(SetWindowTextA(control, nullptr), 1);
    EXPECT_EQ(host.dialogs().text(control), "");

    EXPECT_TRUE(oapiCloseDialog(h));
    EXPECT_FALSE(oapiCloseDialog(h));
    EXPECT_EQ(GetDlgItem(h, 10), nullptr);
    EXPECT_EQ(SetWindowTextA(control, "late"), 0);
    EXPECT_EQ(GetWindowTextA(control, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(oapiFindDialog(&module, 7), nullptr);
}

TEST_F(DialogsTest, AProcedureMayCloseItsOwnDialog)
{
    const HWND h = open(7, closingProc);
    EXPECT_TRUE(host.dialogs().click(h, 5));
    EXPECT_TRUE(host.dialogs().openDialogs().empty());
    EXPECT_EQ(open(8, closeOnInitProc), nullptr);
    EXPECT_TRUE(host.dialogs().openDialogs().empty());
}

TEST_F(DialogsTest, OnlyALoadedPluginsResourcesOpen)
{
    // The host loaded no plug-in here, so no instance handle names resources.
    EXPECT_EQ(oapiOpenDialogEx(&module, 7, recordingProc, 0, nullptr), nullptr);
    EXPECT_EQ(oapiOpenDialogEx(nullptr, 7, recordingProc, 0, nullptr), nullptr);
    EXPECT_TRUE(g_heard.empty());
}

TEST(Windows1252, PrintsAsUtf8)
{
    EXPECT_EQ(sim::utf8FromWindows1252("12\xB0 \x80 \x81"), "12\u00B0 \u20AC \uFFFD");
    EXPECT_EQ(sim::windows1252FromUtf16(u"\u00E9\u2122\U0001F600"), "\xE9\x99?");
}
