// Reading and writing scenario files.

#include <gtest/gtest.h>

#include "sim/errors.h"
#include "sim/scenario.h"
#include "tests/support/vector_expect.h"

namespace {

const char* kGood = R"(BEGIN_DESC
Two vessels, docked.
END_DESC
BEGIN_ENVIRONMENT
  System Earth
  Date MJD 61000.25
END_ENVIRONMENT
BEGIN_FOCUS
  Ship A
END_FOCUS
BEGIN_CAMERA
  Position 1 2 3
END_CAMERA
BEGIN_SHIPS
  A:Anchor
  STATUS Orbiting Earth
  RPOS 6771000 0.5 -2
  RVEL 0 7672.5986 0
  AROT 10 -20 30
  VROT 0 0 0.86
  PRPLEVEL 0:0.5 1:1
  THLEVEL 0:0.25
  DOCKINFO 0:1,B
  END
  B
  RPOS 1 2 3
  DOCKINFO 1:0,A
  END
END_SHIPS
BEGIN_ACTIONS
  5 command "Veskar Payload Release"
  10.5 click 1
  12 key L
  13 thrust A main 0.5
  20 end
END_ACTIONS
)";

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

}  // namespace

TEST(ScenarioReader, ReadsEveryBlockAndKey)
{
    const sim::Scenario s = sim::parseScenario(kGood, "good.scn");
    EXPECT_EQ(s.description, "Two vessels, docked.\n");
    EXPECT_DOUBLE_EQ(s.mjd, 61000.25);
    EXPECT_EQ(s.focus, "A");
    EXPECT_FALSE(s.camera.follow);
    ASSERT_EQ(s.vessels.size(), 2u);
    const sim::ScenarioVessel& a = s.vessels[0];
    EXPECT_EQ(a.className, "Anchor");
    EXPECT_EQ(s.vessels[1].className, "B");  // no colon: the class is the name
    EXPECT_VEC_NEAR(a.rpos, (VECTOR3{6771000, 0.5, -2}), 0.0);
    EXPECT_VEC_NEAR(a.arot, (VECTOR3{10, -20, 30}), 0.0);
    EXPECT_EQ(a.propellantLevels, (std::vector<std::pair<int, double>>{{0, 0.5}, {1, 1.0}}));
    EXPECT_EQ(a.thrusterLevels, (std::vector<std::pair<int, double>>{{0, 0.25}}));
    ASSERT_EQ(a.docks.size(), 1u);
    EXPECT_EQ(a.docks[0].matePort, 1);
    EXPECT_EQ(a.docks[0].mate, "B");
    ASSERT_EQ(s.actions.size(), 5u);
    EXPECT_EQ(s.actions[0].args, std::vector<std::string>{"Veskar Payload Release"});
    EXPECT_DOUBLE_EQ(s.actions[1].time, 10.5);
}

TEST(ScenarioReader, WritingAndReadingBackGivesTheSameScenario)
{
    const sim::Scenario s = sim::parseScenario(kGood, "good.scn");
    const std::string text = sim::formatScenario(s);
    const sim::Scenario back = sim::parseScenario(text, "again.scn");
    EXPECT_EQ(sim::formatScenario(back), text);
    EXPECT_EQ(back.vessels[0].rvel.y, 7672.5986);
    EXPECT_EQ(back.actions[0].args[0], "Veskar Payload Release");
}

// What was read is written so that it reads back the same: an argument holding a
// character the reader splits words on (not only space and tab), and a description line
// with stray carriage returns before its end.
TEST(ScenarioReader, WrittenTextReadsBackAsItWasRead)
{
    const std::string ships = "BEGIN_SHIPS\nA\nEND\nEND_SHIPS\n";
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"a vertical tab in a quoted label", ships + "BEGIN_ACTIONS\n5 command \"Open\vit\"\nEND_ACTIONS\n"},
        {"a carriage return in a quoted label", ships + "BEGIN_ACTIONS\n5 command \"Open\rit\"\nEND_ACTIONS\n"},
        {"two carriage returns ending a description line", "BEGIN_DESC\nText\r\r\n\r\r\nEND_DESC\n" + ships},
    };
    for (const auto& c : cases) {
        const sim::Scenario read = sim::parseScenario(c.text, "in.scn");
        const std::string written = sim::formatScenario(read);
        const sim::Scenario back = sim::parseScenario(written, "out.scn");
        EXPECT_EQ(sim::formatScenario(back), written) << c.what;
        EXPECT_EQ(back.description, read.description) << c.what;
        if (!read.actions.empty()) {
            ASSERT_EQ(back.actions.size(), 1u) << c.what;
            EXPECT_EQ(back.actions[0].args, read.actions[0].args) << c.what;
        }
    }
}

TEST(ScenarioReader, BadInputNamesTheLineAndTheProblem)
{
    const struct {
        std::string from, to;
        int line;
        const char* problem;
    } cases[] = {
        {"RPOS 6771000 0.5 -2", "RPOS 6771000 0.5", 17, "RPOS needs three numbers"},
        {"RVEL 0 7672.5986 0", "RVEL 0 7672.59x86 0", 18, "RVEL needs three numbers"},
        {"BEGIN_FOCUS", "BEGIN_FOG", 8, "unknown block 'BEGIN_FOG'"},
        {"  AROT 10 -20 30", "  AROTT 10 -20 30", 19, "unknown key 'AROTT'"},
        {"DOCKINFO 1:0,A", "DOCKINFO 1:1,A", 23, "which 'B' does not confirm"},
        {"DOCKINFO 0:1,B", "DOCKINFO 0:1,C", 23, "names no vessel 'C'"},
        {"  5 command", "  -5 command", 31, "negative time"},
        {"  12 key L", "  12 jump L", 33, "unknown action 'jump'"},
        {"  12 key L", "  12 key Q", 33, "key needs"},
        {"13 thrust A main 0.5", "13 thrust A main 1.5", 34, "level 0..1"},
        {"  10.5 click 1", "  10.5 click", 32, "wrong number of arguments"},
        {"PRPLEVEL 0:0.5 1:1", "PRPLEVEL 0:0.5 1:2", 21, "level 0..1"},
        {"STATUS Orbiting Earth", "STATUS Landed Earth", 16, "only 'STATUS Orbiting Earth'"},
        {"  System Earth", "  System Mars", 5, "only the Earth system"},
        {"  Ship A", "  Ship Z", 0, "focus ship 'Z'"},
        {"END_SHIPS", "END_SHIPZ", 30, "unknown key 'BEGIN_ACTIONS' for vessel 'END_SHIPZ'"},
        // Numbers past an int are errors, not indices wrapped round to small ones.
        {"PRPLEVEL 0:0.5 1:1", "PRPLEVEL 4294967296:0.5", 21, "entries are 'index:level'"},
        {"DOCKINFO 0:1,B", "DOCKINFO 4294967296:1,B", 23, "entries are 'port:matePort,MateName'"},
        {"  10.5 click 1", "  10.5 click 4294967297", 32, "click needs a control id"},
        {"13 thrust A main 0.5", "13 thrust A 4294967296 0.5", 34, "a group (main, retro, hover or a number)"},
    };
    for (const auto& c : cases) {
        try {
            sim::parseScenario(replaced(kGood, c.from, c.to), "bad.scn");
            ADD_FAILURE() << "no error for " << c.to;
        } catch (const sim::InputError& e) {
            EXPECT_EQ(e.line(), c.line) << c.to << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(c.problem), std::string::npos) << c.to << ": " << e.what();
            EXPECT_EQ(std::string(e.what()).rfind("bad.scn", 0), 0u) << e.what();
        }
    }
    EXPECT_THROW(sim::readScenario("/nonexistent/none.scn"), sim::InputError);
}
