// The interactive view's drawing: dialogs placed from their templates' dialog units, and
// whole screens that fit the terminal whatever they hold.

#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/tui/dialog_drawing.h"
#include "app/tui/screen_drawing.h"
#include "app/tui/snapshot.h"
#include "app/tui/text_cells.h"
#include "sim/scenario_run.h"
#include "tests/support/test_tree.h"

using namespace app::tui;
using testing_support::buildTree;

namespace {

struct CellCase {
    int x, y, cx, cy;
    CellRect cells;
};

void PrintTo(const CellCase& c, std::ostream* os)
{
    *os << c.x << "," << c.y << " " << c.cx << "x" << c.cy;
}

class ControlCells : public testing::TestWithParam<CellCase> {};

TEST_P(ControlCells, ThreeUnitsToAColumnAndEightToARow)
{
    const CellCase& c = GetParam();
    const CellRect r = controlCells({0, "static", "", 0, c.x, c.y, c.cx, c.cy});
    EXPECT_EQ(r.top, c.cells.top);
    EXPECT_EQ(r.left, c.cells.left);
    EXPECT_EQ(r.rows, c.cells.rows);
    EXPECT_EQ(r.cols, c.cells.cols);
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, ControlCells,
    testing::Values(CellCase{11, 12, 102, 30, {1, 3, 4, 34}},  // the release dialog's button
                    CellCase{7, 48, 108, 18, {6, 2, 2, 36}},   // its label
                    CellCase{5, 0, 114, 84, {0, 1, 10, 38}},   // its group box
                    CellCase{47, 66, 30, 12, {8, 15, 1, 10}},  // its angle
                    CellCase{0, 0, 1, 1, {0, 0, 1, 1}},        // never less than a cell
                    CellCase{-4, -9, 8, 10, {-2, -2, 2, 3}}));

// The release dialog as the plug-in opens it in a host.
DialogState releaseDialog()
{
    sim::Scenario s = sim::readScenario(app::defaultScenario(buildTree()));
    s.actions.clear();
    sim::ScenarioRun run(buildTree(), s);
    run.host().customCommands().pick("Veskar Payload Release");
    const auto open = run.host().dialogs().openDialogs();
    EXPECT_EQ(open.size(), 1u);
    return dialogState(*run.host().dialogs().dialog(open.at(0)));
}

TEST(DialogDrawing, TheReleaseDialogFromItsCompiledTemplate)
{
    DialogState d = releaseDialog();
    for (auto& c : d.controls) {
        if (c.id == 1005)
            c.text = "-12.34\xC2\xB0";
    }
    const std::vector<std::string> expected = {
        "+- Veskar Payload Release -------------[x]+",
        "| +- Tether: Veskar1 ------------------+  |",
        "| | +================================+ |  |",
        "| | |      Arm Payload Release       | |  |",
        "| | |                                | |  |",
        "| | +================================+ |  |",
        "| |                                    |  |",
        "| |   Angle between payload velocity   |  |",
        "| | vector and tether velocity vector: |  |",
        "| |             [-12.34\xC2\xB0 ]             |  |",
        "| +------------------------------------+  |",
        "|                                         |",
        "+-----------------------------------------+",
    };
    EXPECT_EQ(drawDialog(d).screen().lines, expected);
}

TEST(DialogDrawing, HiddenControlsAreNotDrawnAndFlatButtonsGetBrackets)
{
    DialogState d;
    d.title = "T";
    d.cx = 60, d.cy = 24;
    d.controls = {{1, "button", "OK", 0x10000001, 3, 0, 30, 8},   // default, one row high
                  {2, "button", "No", 0x10000000, 33, 0, 24, 8},
                  {3, "static", "hidden", 0x00000000, 3, 8, 54, 8},
                  {4, "static", "right", 0x10000002, 3, 16, 54, 8}};
    EXPECT_EQ(drawDialog(d).screen().lines, (std::vector<std::string>{
                                                "+- T ----------------+",
                                                "| <   OK   >[  No  ] |",
                                                "|                    |",
                                                "|              right |",
                                                "+--------------------+",
                                            }));
}

ViewModel busyView()
{
    ViewModel v;
    v.scenario = "payload-release.scn";
    v.simTime = 123456.75;
    v.timeAcceleration = 1000;
    v.behind = true;
    FocusState f;
    f.name = std::string(60, 'N');
    f.className = "Veskar";
    f.orbit.bound = false;
    f.tether = TetherState{0.859, std::string(50, 'P'), -179.99};
    f.lights = 22, f.lightsOn = 5;
    v.focus = f;
    for (int i = 0; i < 12; ++i)
        v.vessels.push_back("Vessel" + std::to_string(i));
    v.focusIndex = 3;
    v.commands = {"Veskar Payload Release", std::string(90, 'C')};
    for (int i = 0; i < 40; ++i)
        v.events.push_back({i * 1.5, "event " + std::to_string(i) + std::string(100, '.')});
    v.debugLine = std::string(300, 'd') + "\x1B[2J";
    return v;
}

struct FitCase {
    const char* what;
    int columns, rows;
    bool menu, dialog, prompt;
};

void PrintTo(const FitCase& c, std::ostream* os)
{
    *os << c.what;
}

class ScreenFit : public testing::TestWithParam<FitCase> {};

TEST_P(ScreenFit, EveryLineIsAsWideAsTheTerminal)
{
    const FitCase& c = GetParam();
    ViewModel v = busyView();
    if (c.menu)
        v.menu = CommandMenu{1};
    if (c.dialog)
        v.dialog = releaseDialog();
    if (c.prompt)
        v.quitPrompt = QuitPrompt{"/a/very/long/folder/name/" + std::string(120, 'f') + ".scn", ""};
    const Screen s = drawScreen(v, c.columns, c.rows);
    ASSERT_EQ(static_cast<int>(s.lines.size()), c.rows) << c.what;
    for (const std::string& line : s.lines) {
        EXPECT_EQ(widthOf(line), c.columns) << c.what << ": " << line;
        EXPECT_EQ(line.find('\x1B'), std::string::npos) << c.what;
    }
    for (const Highlight& h : s.highlights)
        EXPECT_LE(h.col + h.width, c.columns) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenFit,
                         testing::Values(FitCase{"80x24, the state only", 80, 24, false, false, false},
                                         FitCase{"80x24, the dialog", 80, 24, false, true, false},
                                         FitCase{"80x24, the command list", 80, 24, true, false, false},
                                         FitCase{"80x24, quitting", 80, 24, false, true, true},
                                         FitCase{"larger", 132, 50, false, true, false},
                                         FitCase{"too narrow", 79, 24, false, true, true},
                                         FitCase{"too low", 80, 23, false, false, false},
                                         FitCase{"tiny", 10, 3, false, false, true}));

bool contains(const Screen& s, const std::string& text)
{
    for (const std::string& line : s.lines) {
        if (line.find(text) != std::string::npos)
            return true;
    }
    return false;
}

TEST(ScreenDrawing, ALargerTerminalShowsMoreEventsTheLatestLast)
{
    const ViewModel v = busyView();
    const Screen small = drawScreen(v, 80, 24);
    const Screen large = drawScreen(v, 80, 40);
    EXPECT_TRUE(contains(small, "event 39."));
    EXPECT_TRUE(contains(small, "event 35."));
    EXPECT_FALSE(contains(small, "event 34."));
    EXPECT_TRUE(contains(large, "event 19."));
    EXPECT_FALSE(contains(large, "event 18."));
    EXPECT_EQ(small.lines[21].substr(0, 20), "      58.5 s  event ");
}

TEST(ScreenDrawing, ATooSmallTerminalIsAskedToGrow)
{
    ViewModel v = busyView();
    v.quitPrompt = QuitPrompt{"x.scn", ""};
    const Screen s = drawScreen(v, 40, 6);
    EXPECT_EQ(s.lines[0], "The view needs 80 x 24 cells; this      ");
    EXPECT_EQ(s.lines[1], "terminal has 40 x 6.                    ");
    EXPECT_EQ(s.lines[2], "Save to: x.scn_                         ");
}

}  // namespace
