// Reading scenario files.

#include <algorithm>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>

#include "sim/errors.h"
#include "sim/scenario.h"
#include "sim/scenario_actions.h"
#include "sim/text_parse.h"

namespace sim {

namespace {

// Resource, thruster and port numbers are ints: a larger number is an error, not another index.
constexpr long kMaxIndex = std::numeric_limits<int>::max();

class Reader {
public:
    Reader(const std::string& text, std::filesystem::path file) : in_(text), file_(std::move(file)) {}

    Scenario read();

private:
    bool next(std::string_view& line);
    [[noreturn]] void fail(const std::string& problem) const { throw InputError(file_, lineNo_, problem); }
    VECTOR3 vector3(std::string_view rest, const char* key) const;
    double number(std::string_view word, const char* what) const;

    void readDescription(Scenario& s);
    void readEnvironment(Scenario& s);
    void readFocus(Scenario& s);
    void readCamera(Scenario& s);
    void readShips(Scenario& s);
    void readVessel(Scenario& s, std::string_view header);
    void readActions(Scenario& s);
    void readLevels(std::string_view rest, std::vector<std::pair<int, double>>& out, const char* key) const;
    void readDockInfo(std::string_view rest, ScenarioVessel& v) const;

    std::istringstream in_;
    std::filesystem::path file_;
    std::string raw_;
    int lineNo_ = 0;
};

// The first word of a line and the rest, trimmed.
std::pair<std::string_view, std::string_view> keyAndRest(std::string_view line)
{
    const auto space = line.find_first_of(" \t");
    if (space == std::string_view::npos)
        return {line, {}};
    return {line.substr(0, space), trim(line.substr(space))};
}

bool next(std::istringstream& in, std::string& raw, int& lineNo)
{
    if (!std::getline(in, raw))
        return false;
    ++lineNo;
    while (!raw.empty() && raw.back() == '\r')  // the line end of a CRLF file, and stray CRs before it
        raw.pop_back();
    return true;
}

}  // namespace

bool Reader::next(std::string_view& line)
{
    while (sim::next(in_, raw_, lineNo_)) {
        line = trim(raw_);
        if (!line.empty() && line.front() != ';')
            return true;
    }
    return false;
}

double Reader::number(std::string_view word, const char* what) const
{
    const auto v = parseDouble(word);
    if (!v)
        fail(std::string(what) + " is not a number: '" + std::string(word) + "'");
    return *v;
}

VECTOR3 Reader::vector3(std::string_view rest, const char* key) const
{
    const auto v = parseNumbers(rest, 3);
    if (!v)
        fail(std::string(key) + " needs three numbers, found '" + std::string(rest) + "'");
    return {(*v)[0], (*v)[1], (*v)[2]};
}

Scenario Reader::read()
{
    Scenario s;
    s.file = file_;
    std::string_view line;
    while (next(line)) {
        const auto [key, rest] = keyAndRest(line);
        if (!rest.empty())
            fail("expected a block, found '" + std::string(line) + "'");
        if (key == "BEGIN_DESC")
            readDescription(s);
        else if (key == "BEGIN_ENVIRONMENT")
            readEnvironment(s);
        else if (key == "BEGIN_FOCUS")
            readFocus(s);
        else if (key == "BEGIN_CAMERA")
            readCamera(s);
        else if (key == "BEGIN_SHIPS")
            readShips(s);
        else if (key == "BEGIN_ACTIONS")
            readActions(s);
        else
            fail("unknown block '" + std::string(key) + "'");
    }
    if (s.vessels.empty())
        throw InputError(file_, "the scenario has no vessels (BEGIN_SHIPS)");
    return s;
}

void Reader::readDescription(Scenario& s)
{
    const int start = lineNo_;
    while (sim::next(in_, raw_, lineNo_)) {
        if (trim(raw_) == "END_DESC")
            return;
        s.description += raw_ + "\n";
    }
    throw InputError(file_, start, "BEGIN_DESC without END_DESC");
}

void Reader::readEnvironment(Scenario& s)
{
    const int start = lineNo_;
    std::string_view line;
    while (next(line)) {
        if (line == "END_ENVIRONMENT")
            return;
        const auto [key, rest] = keyAndRest(line);
        if (key == "System") {
            if (rest != "Earth" && rest != "Sol")
                fail("only the Earth system is simulated, not '" + std::string(rest) + "'");
            s.system = std::string(rest);
        } else if (key == "Date") {
            const auto words = splitWords(rest);
            if (words.size() != 2 || words[0] != "MJD")
                fail("expected 'Date MJD <mjd>'");
            s.mjd = number(words[1], "the date");
        } else {
            fail("unknown key '" + std::string(key) + "' in BEGIN_ENVIRONMENT");
        }
    }
    throw InputError(file_, start, "BEGIN_ENVIRONMENT without END_ENVIRONMENT");
}

void Reader::readFocus(Scenario& s)
{
    const int start = lineNo_;
    std::string_view line;
    while (next(line)) {
        if (line == "END_FOCUS")
            return;
        const auto [key, rest] = keyAndRest(line);
        if (key != "Ship" || rest.empty())
            fail("expected 'Ship <name>' in BEGIN_FOCUS");
        s.focus = std::string(rest);
    }
    throw InputError(file_, start, "BEGIN_FOCUS without END_FOCUS");
}

void Reader::readCamera(Scenario& s)
{
    const int start = lineNo_;
    std::string_view line;
    s.camera.given = true;
    while (next(line)) {
        if (line == "END_CAMERA")
            return;
        const auto [key, rest] = keyAndRest(line);
        if (key == "Follow") {
            s.camera.follow = true;
            s.camera.offset = vector3(rest, "Follow");
        } else if (key == "Position") {
            s.camera.follow = false;
            s.camera.position = vector3(rest, "Position");
        } else {
            fail("unknown key '" + std::string(key) + "' in BEGIN_CAMERA");
        }
    }
    throw InputError(file_, start, "BEGIN_CAMERA without END_CAMERA");
}

void Reader::readShips(Scenario& s)
{
    const int start = lineNo_;
    std::string_view line;
    while (next(line)) {
        if (line == "END_SHIPS")
            return;
        readVessel(s, line);
    }
    throw InputError(file_, start, "BEGIN_SHIPS without END_SHIPS");
}

void Reader::readVessel(Scenario& s, std::string_view header)
{
    ScenarioVessel v;
    v.line = lineNo_;
    const auto colon = header.find(':');
    v.name = std::string(colon == std::string_view::npos ? header : header.substr(0, colon));
    v.className = colon == std::string_view::npos ? v.name : std::string(header.substr(colon + 1));
    if (v.name.empty() || v.className.empty() || splitWords(header).size() != 1)
        fail("expected a vessel 'Name:ClassName', found '" + std::string(header) + "'");
    if (s.findVessel(v.name))
        fail("a second vessel named '" + v.name + "'");

    std::set<std::string> seen;
    std::string_view line;
    while (next(line)) {
        if (line == "END") {
            s.vessels.push_back(std::move(v));
            return;
        }
        const auto [key, rest] = keyAndRest(line);
        if (!seen.insert(std::string(key)).second)
            fail(std::string(key) + " appears twice for '" + v.name + "'");
        if (key == "STATUS") {
            if (rest != "Orbiting Earth")
                fail("only 'STATUS Orbiting Earth' is supported, found 'STATUS " + std::string(rest) + "'");
        } else if (key == "RPOS") {
            v.rpos = vector3(rest, "RPOS");
        } else if (key == "RVEL") {
            v.rvel = vector3(rest, "RVEL");
        } else if (key == "AROT") {
            v.arot = vector3(rest, "AROT");
        } else if (key == "VROT") {
            v.vrot = vector3(rest, "VROT");
        } else if (key == "PRPLEVEL") {
            readLevels(rest, v.propellantLevels, "PRPLEVEL");
        } else if (key == "THLEVEL") {
            readLevels(rest, v.thrusterLevels, "THLEVEL");
        } else if (key == "DOCKINFO") {
            readDockInfo(rest, v);
        } else {
            fail("unknown key '" + std::string(key) + "' for vessel '" + v.name + "'");
        }
    }
    throw InputError(file_, v.line, "vessel '" + v.name + "' has no END");
}

void Reader::readLevels(std::string_view rest, std::vector<std::pair<int, double>>& out, const char* key) const
{
    for (const auto item : splitWords(rest)) {
        const auto colon = item.find(':');
        const auto index = colon == std::string_view::npos ? std::nullopt : parseInt(item.substr(0, colon));
        const auto level = colon == std::string_view::npos ? std::nullopt : parseDouble(item.substr(colon + 1));
        if (!index || !level || *index < 0 || *index > kMaxIndex || *level < 0.0 || *level > 1.0)
            fail(std::string(key) + " entries are 'index:level' with a level 0..1, found '" + std::string(item) + "'");
        out.emplace_back(static_cast<int>(*index), *level);
    }
    if (out.empty())
        fail(std::string(key) + " has no entries");
}

void Reader::readDockInfo(std::string_view rest, ScenarioVessel& v) const
{
    for (const auto item : splitWords(rest)) {
        const auto colon = item.find(':');
        const auto comma = item.find(',');
        if (colon == std::string_view::npos || comma == std::string_view::npos || comma < colon)
            fail("DOCKINFO entries are 'port:matePort,MateName', found '" + std::string(item) + "'");
        const auto port = parseInt(item.substr(0, colon));
        const auto matePort = parseInt(item.substr(colon + 1, comma - colon - 1));
        const std::string mate(item.substr(comma + 1));
        if (!port || !matePort || *port < 0 || *matePort < 0 || *port > kMaxIndex || *matePort > kMaxIndex ||
            mate.empty())
            fail("DOCKINFO entries are 'port:matePort,MateName', found '" + std::string(item) + "'");
        v.docks.push_back({static_cast<int>(*port), static_cast<int>(*matePort), mate, lineNo_});
    }
    if (v.docks.empty())
        fail("DOCKINFO has no entries");
}

void Reader::readActions(Scenario& s)
{
    const int start = lineNo_;
    std::string_view line;
    while (next(line)) {
        if (line == "END_ACTIONS")
            return;
        const auto words = splitQuoted(line);
        if (!words)
            fail("unbalanced quotes in '" + std::string(line) + "'");
        if (words->size() < 2)
            fail("an action is '<time> <action> [arguments]', found '" + std::string(line) + "'");
        ScenarioAction a;
        a.line = lineNo_;
        a.time = number((*words)[0], "the action's time");
        if (a.time < 0.0)
            fail("an action at a negative time (" + (*words)[0] + " s)");
        if (!s.actions.empty() && a.time < s.actions.back().time)
            fail("actions must come in time order");
        a.kind = (*words)[1];
        a.args.assign(words->begin() + 2, words->end());
        if (const std::string problem = checkAction(a); !problem.empty())
            fail(problem);
        s.actions.push_back(std::move(a));
    }
    throw InputError(file_, start, "BEGIN_ACTIONS without END_ACTIONS");
}

const ScenarioVessel* Scenario::findVessel(const std::string& name) const
{
    for (const auto& v : vessels) {
        if (v.name == name)
            return &v;
    }
    return nullptr;
}

namespace {

// Every DOCKINFO entry must be confirmed by the mate's own entry.
void checkDocking(const Scenario& s)
{
    for (const auto& v : s.vessels) {
        for (const auto& d : v.docks) {
            const ScenarioVessel* mate = s.findVessel(d.mate);
            if (!mate)
                throw InputError(s.file, d.line, "DOCKINFO of '" + v.name + "' names no vessel '" + d.mate + "'");
            const bool confirmed = std::any_of(mate->docks.begin(), mate->docks.end(), [&](const auto& m) {
                return m.port == d.matePort && m.matePort == d.port && m.mate == v.name;
            });
            if (!confirmed)
                throw InputError(s.file, d.line,
                                 "'" + v.name + "' port " + std::to_string(d.port) + " docks to '" + d.mate + "' port " +
                                     std::to_string(d.matePort) + ", which '" + d.mate + "' does not confirm");
        }
    }
    if (!s.focus.empty() && !s.findVessel(s.focus))
        throw InputError(s.file, "the focus ship '" + s.focus + "' is not in the scenario");
}

}  // namespace

Scenario parseScenario(const std::string& text, const std::filesystem::path& file)
{
    Scenario s = Reader(text, file).read();
    checkDocking(s);
    return s;
}

Scenario readScenario(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw InputError(file, "cannot read the scenario");
    std::ostringstream text;
    text << in.rdbuf();
    return parseScenario(text.str(), file);
}

}  // namespace sim
