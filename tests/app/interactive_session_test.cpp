// The interactive session with the real modules of the build tree: the default scenario
// without its scripted actions, driven by keys as a user at the terminal drives it.

#include <cmath>
#include <fstream>

#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/tui/session.h"
#include "sim/scenario.h"
#include "tests/support/test_tree.h"

using app::tui::Key;
using app::tui::Session;
using app::tui::SessionOptions;
using app::tui::ViewModel;
using testing_support::buildTree;
using K = Key::Kind;

namespace {

Key ch(char c)
{
    return {K::Char, static_cast<unsigned char>(c)};
}

sim::Scenario defaultScenarioWithoutActions()
{
    sim::Scenario s = sim::readScenario(app::defaultScenario(buildTree()));
    s.actions.clear();
    return s;
}

struct Live {
    explicit Live(SessionOptions options = {}) : run(buildTree(), defaultScenarioWithoutActions()), session(run, options) {}

    void press(std::initializer_list<Key> keys)
    {
        for (const Key& k : keys)
            session.press(k);
    }
    void typeText(const std::string& text)
    {
        for (char c : text)
            session.press(ch(c));
    }

    sim::ScenarioRun run;
    Session session;
};

const app::tui::ControlState* control(const ViewModel& v, int id)
{
    if (!v.dialog)
        return nullptr;
    for (const auto& c : v.dialog->controls) {
        if (c.id == id)
            return &c;
    }
    return nullptr;
}

std::string controlText(const ViewModel& v, int id)
{
    const auto* c = control(v, id);
    return c ? c->text : "(no control)";
}

bool hasEvent(const ViewModel& v, const std::string& text)
{
    for (const auto& e : v.events) {
        if (e.text == text)
            return true;
    }
    return false;
}

}  // namespace

TEST(InteractiveSession, TheCommandListOpensTheReleaseDialogWithItsLiveAngle)
{
    Live live;
    live.press({{K::F4}});
    ViewModel v = live.session.view();
    ASSERT_TRUE(v.menu.has_value());
    EXPECT_EQ(v.commands, std::vector<std::string>{"Veskar Payload Release"});
    EXPECT_FALSE(v.dialog.has_value());

    live.press({{K::Enter}});
    v = live.session.view();
    EXPECT_FALSE(v.menu.has_value());
    ASSERT_TRUE(v.dialog.has_value());
    EXPECT_EQ(v.dialog->title, "Veskar Payload Release");
    EXPECT_TRUE(v.dialog->captionClose);
    EXPECT_EQ(controlText(v, 1004), "Tether: Veskar1");
    EXPECT_EQ(controlText(v, 1), "Arm Payload Release");
    EXPECT_EQ(controlText(v, 1005), "-xxx.xx");  // no step yet
    EXPECT_TRUE(hasEvent(v, "command: Veskar Payload Release"));

    live.session.advance(0.1);
    v = live.session.view();
    // The plug-in wrote the angle it read at the start of the step; the view's own angle is
    // of the end of the step, less than a tenth of a degree further on.
    const std::string shown = controlText(v, 1005);
    ASSERT_EQ(shown.substr(shown.size() - 2), "\xC2\xB0");
    ASSERT_TRUE(v.focus && v.focus->tether);
    EXPECT_NEAR(std::stod(shown), v.focus->tether->payloadAngle, 0.1);
    EXPECT_NEAR(v.focus->tether->payloadAngle, 50.0, 0.2);
    EXPECT_EQ(v.focus->tether->payload, "Canister");
}

TEST(InteractiveSession, ArmedAndSpedUpItThrowsThePayloadAndTheButtonReadsArmAgain)
{
    Live live;
    live.press({{K::F4}, {K::Enter}, {K::Enter}});
    EXPECT_EQ(controlText(live.session.view(), 1), "Disarm Payload Release");
    live.press({ch('+'), ch('+'), ch('+')});
    ASSERT_EQ(live.session.timeAcceleration(), 1000);

    // 0.1 s of real time is 100 s of simulation at x1000: the swing reaches the top well
    // within it.
    live.session.advance(0.1);
    const ViewModel v = live.session.view();
    EXPECT_NEAR(v.simTime, 100.0, 1e-6);
    EXPECT_TRUE(hasEvent(v, "payload Canister released by Veskar1"));
    EXPECT_EQ(controlText(v, 1), "Arm Payload Release");
    EXPECT_EQ(controlText(v, 1005), "-xxx.xx");
    ASSERT_TRUE(v.focus && v.focus->tether);
    EXPECT_EQ(v.focus->tether->payload, "");
    EXPECT_TRUE(std::isnan(v.focus->tether->payloadAngle));
}

TEST(InteractiveSession, EscClosesTheDialogAndAReopenedOneIsDisarmed)
{
    Live live;
    live.press({{K::F4}, {K::Enter}, {K::Enter}, {K::Escape}});
    EXPECT_FALSE(live.session.view().dialog.has_value());
    // Disarmed: the swing passes the top with the dialog closed, and nothing is released.
    live.press({ch('+'), ch('+'), ch('+')});
    live.session.advance(0.1);
    live.press({{K::F4}, {K::Enter}});
    const ViewModel v = live.session.view();
    EXPECT_EQ(controlText(v, 1), "Arm Payload Release");
    EXPECT_EQ(v.focus->tether->payload, "Canister");
}

TEST(InteractiveSession, TheCommandListMovesWithinItsEntriesAndEscClosesIt)
{
    Live live;
    live.press({{K::F4}, {K::Down}, {K::Down}});
    EXPECT_EQ(live.session.view().menu->selected, 0);  // one command only
    live.press({{K::Up}, {K::Escape}});
    const ViewModel v = live.session.view();
    EXPECT_FALSE(v.menu.has_value());
    EXPECT_FALSE(v.dialog.has_value());
}

struct ClockCase {
    const char* what;
    std::vector<Key> keys;
    std::vector<double> wallSeconds;  // one advance() each
    double simTime;                   // [s] after them
    int acceleration;
};

void PrintTo(const ClockCase& c, std::ostream* os)
{
    *os << c.what;
}

class SessionClock : public testing::TestWithParam<ClockCase> {};

TEST_P(SessionClock, StepsWholeStepsOfTheRealTimeAtTheAcceleration)
{
    const ClockCase& c = GetParam();
    Live live;
    for (const Key& k : c.keys)
        live.session.press(k);
    for (double wall : c.wallSeconds)
        live.session.advance(wall);
    EXPECT_NEAR(live.run.host().simTime(), c.simTime, 1e-9) << c.what;
    EXPECT_EQ(live.session.timeAcceleration(), c.acceleration) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SessionClock,
    testing::Values(ClockCase{"real time, the rest carried over", {}, {0.25, 0.05}, 0.3, 1},
                    ClockCase{"ten times", {ch('+')}, {0.25}, 2.5, 10},
                    ClockCase{"no faster than 1000", {ch('+'), ch('='), ch('+'), ch('+')}, {0.01}, 10.0, 1000},
                    ClockCase{"no slower than 1", {ch('+'), ch('-'), ch('-'), ch('_')}, {0.3}, 0.3, 1},
                    ClockCase{"paused", {ch(' ')}, {1.0}, 0.0, 1},
                    ClockCase{"paused and running again", {ch(' '), ch(' ')}, {0.2}, 0.2, 1},
                    ClockCase{"at most a second caught up", {}, {5.0}, 1.0, 1},
                    ClockCase{"a clock going back", {}, {-1.0, 0.1}, 0.1, 1},
                    ClockCase{"stopped while asking where to save", {ch('q')}, {1.0}, 0.0, 1}));

TEST(InteractiveSession, SteppingOutOfTimeDropsTheRestAndSaysSo)
{
    Live live;
    live.session.advance(1.0, [] { return true; });
    EXPECT_EQ(live.run.host().simTime(), 0.0);
    EXPECT_TRUE(live.session.view().behind);
    live.session.advance(0.1);
    EXPECT_FALSE(live.session.view().behind);
    EXPECT_NEAR(live.run.host().simTime(), 0.1, 1e-12);
}

TEST(InteractiveSession, TheLKeySwitchesTheFocusTethersLights)
{
    Live live;
    live.session.advance(0.1);  // the first step gives the tether its visual, lights on
    const auto shining = [&] {
        int n = 0;
        for (const BEACONLIGHTSPEC* b : live.run.host().findVessel("Veskar1")->beacons)
            n += b->active ? 1 : 0;
        return n;
    };
    std::vector<int> seen;
    for (int press = 0; press < 3; ++press) {
        const app::tui::FocusState f = *live.session.view().focus;
        EXPECT_EQ(f.lights, 22);
        EXPECT_EQ(f.lightsOn, shining());
        seen.push_back(f.lightsOn);
        live.press({ch(press == 1 ? 'L' : 'l')});
    }
    EXPECT_EQ(seen, (std::vector<int>{22, 0, 22}));
}

TEST(InteractiveSession, TabTakesTheFocusToEachVesselInTurn)
{
    Live live;
    ViewModel v = live.session.view();
    EXPECT_EQ(v.vessels, (std::vector<std::string>{"Veskar1", "Canister"}));
    EXPECT_EQ(v.focusIndex, 0);
    live.press({{K::Tab}});
    v = live.session.view();
    EXPECT_EQ(v.focusIndex, 1);
    EXPECT_EQ(v.focus->name, "Canister");
    EXPECT_FALSE(v.focus->tether.has_value());
    EXPECT_EQ(v.focus->lights, 0);
    live.press({{K::F3}});
    EXPECT_EQ(live.session.view().focus->name, "Veskar1");
}

TEST(InteractiveSession, QuittingSavesTheStateToTheFileTyped)
{
    testing_support::ScratchTree scratch;
    Live live({0.1, scratch.path() / "offered.scn", false});
    live.press({{K::F4}, {K::Enter}, {K::Enter}, ch('+'), ch('+'), ch('+')});
    live.session.advance(0.1);  // past the release
    live.press({ch('q')});
    EXPECT_EQ(live.session.view().quitPrompt->file, (scratch.path() / "offered.scn").string());
    live.press({{K::Char, app::tui::kCtrlU}});
    const auto file = scratch.path() / "typed.scn";
    live.typeText(file.string());
    live.press({{K::Enter}});

    ASSERT_TRUE(live.session.finished());
    EXPECT_EQ(live.session.savedTo(), file);
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "offered.scn"));
    const sim::Scenario saved = sim::readScenario(file);
    EXPECT_TRUE(saved.actions.empty());
    ASSERT_EQ(saved.vessels.size(), 2u);
    const sim::ScenarioVessel* payload = saved.findVessel("Canister");
    ASSERT_NE(payload, nullptr);
    EXPECT_TRUE(payload->docks.empty());  // thrown
    const VECTOR3 pos = live.run.host().findVessel("Canister")->state.pos;
    EXPECT_EQ(payload->rpos.x, pos.x);
    EXPECT_EQ(payload->rpos.y, pos.y);
}

TEST(InteractiveSession, ASaveThatFailsSaysWhyAndAnEmptyNameQuitsWithoutSaving)
{
    testing_support::ScratchTree scratch;
    const auto bad = scratch.path() / "no such folder" / "state.scn";
    Live live({0.1, bad, false});
    live.press({ch('q'), {K::Enter}});
    EXPECT_FALSE(live.session.finished());
    const std::string problem = live.session.view().quitPrompt->problem;
    EXPECT_NE(problem.find(bad.string() + ": cannot write: "), std::string::npos) << problem;

    live.press({{K::Char, app::tui::kCtrlU}, {K::Enter}});
    EXPECT_TRUE(live.session.finished());
    EXPECT_TRUE(live.session.savedTo().empty());
    // Keys after the end change nothing.
    live.press({ch('x')});
    EXPECT_EQ(live.session.view().quitPrompt->file, "");
}

struct PromptCase {
    const char* what;
    std::vector<Key> keys;
    std::string file;  // typed so far
};

void PrintTo(const PromptCase& c, std::ostream* os)
{
    *os << c.what;
}

class QuitPromptEditing : public testing::TestWithParam<PromptCase> {};

TEST_P(QuitPromptEditing, TakesPrintableBytesAndEdits)
{
    Live live({0.1, "ab", false});
    live.press({ch('q')});
    for (const Key& k : GetParam().keys)
        live.session.press(k);
    ASSERT_TRUE(live.session.view().quitPrompt.has_value()) << GetParam().what;
    EXPECT_EQ(live.session.view().quitPrompt->file, GetParam().file) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, QuitPromptEditing,
    testing::Values(PromptCase{"offered", {}, "ab"}, PromptCase{"typed on", {ch('c'), ch(' '), ch('q')}, "abc q"},
                    PromptCase{"backspace", {{K::Backspace}}, "a"},
                    PromptCase{"backspace past the start", {{K::Backspace}, {K::Backspace}, {K::Backspace}}, ""},
                    PromptCase{"a two-byte character goes whole", {{K::Char, 0xC3}, {K::Char, 0xA9}, {K::Backspace}}, "ab"},
                    PromptCase{"control bytes are not typed", {{K::Char, 0x01}, {K::Char, 0x7F}, {K::Tab}}, "ab"},
                    PromptCase{"cleared", {{K::Char, app::tui::kCtrlU}, ch('x')}, "x"},
                    PromptCase{"the view's keys type", {ch('+'), {K::F4}, ch('l')}, "ab+l"}));

TEST(InteractiveSession, EscLeavesTheQuitPromptAndTheViewGoesOn)
{
    Live live;
    live.press({ch('q'), {K::Escape}});
    EXPECT_FALSE(live.session.view().quitPrompt.has_value());
    EXPECT_FALSE(live.session.finished());
    live.session.advance(0.1);
    EXPECT_NEAR(live.run.host().simTime(), 0.1, 1e-12);
}

TEST(InteractiveSession, WithoutATetherTheCommandSaysSoOnTheDebugLineAtOnce)
{
    sim::Scenario s = sim::readScenario(buildTree() / "Scenarios" / "QRM" / "shade-burn.scn");
    s.actions.clear();
    sim::ScenarioRun run(buildTree(), s);
    Session session(run, {});
    session.press({K::F4});
    session.press({K::Enter});
    const ViewModel v = session.view();
    EXPECT_FALSE(v.dialog.has_value());
    EXPECT_EQ(v.debugLine, "Veskar-class vessel not found!");
    EXPECT_TRUE(hasEvent(v, "debug line: \"Veskar-class vessel not found!\""));
    EXPECT_EQ(v.simTime, 0.0);
}
