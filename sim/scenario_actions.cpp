// The user's timed actions.

#include "sim/scenario_actions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>

#include "host/keys.h"
#include "sim/errors.h"
#include "sim/host.h"
#include "sim/text_parse.h"

namespace sim {

namespace {

// Control, station and group numbers are ints: a larger number is an error, not another id.
constexpr long kMaxId = std::numeric_limits<int>::max();

// A whole number that fits an int.
bool isId(const std::string& word)
{
    const auto n = parseInt(word);
    return n && *n >= std::numeric_limits<int>::min() && *n <= kMaxId;
}

struct ActionForm {
    const char* kind;
    std::size_t minArgs, maxArgs;
};

constexpr std::array<ActionForm, 11> kForms{{
    {"command", 1, 1}, {"click", 1, 1}, {"enter", 0, 0}, {"esc", 0, 0}, {"key", 1, 2}, {"thrust", 3, 3},
    {"vc", 1, 1},      {"camera", 4, 4}, {"focus", 1, 1}, {"visual", 2, 2}, {"end", 0, 0},
}};

std::optional<THGROUP_TYPE> groupType(const std::string& name)
{
    if (name == "main")
        return THGROUP_MAIN;
    if (name == "retro")
        return THGROUP_RETRO;
    if (name == "hover")
        return THGROUP_HOVER;
    if (const auto n = parseInt(name); n && *n >= 0 && *n <= kMaxId)
        return static_cast<THGROUP_TYPE>(*n);
    return std::nullopt;
}

std::optional<Host::VcMove> vcMove(const std::string& word)
{
    if (word == "left")
        return Host::VcMove::Left;
    if (word == "right")
        return Host::VcMove::Right;
    if (word == "up")
        return Host::VcMove::Up;
    if (word == "down")
        return Host::VcMove::Down;
    return std::nullopt;
}

std::string checkArguments(const ScenarioAction& a)
{
    const auto& args = a.args;
    if (a.kind == "click" && !isId(args[0]))
        return "click needs a control id, found '" + args[0] + "'";
    if (a.kind == "key" && (!keyCode(args[0]) || (args.size() == 2 && args[1] != "up")))
        return "key needs L, ENTER, ESC or a code 0xNN, and optionally 'up'";
    if (a.kind == "thrust") {
        const auto level = parseDouble(args[2]);
        if (!groupType(args[1]) || !level || *level < 0.0 || *level > 1.0)
            return "thrust needs a vessel, a group (main, retro, hover or a number) and a level 0..1";
    }
    if (a.kind == "vc" && !isId(args[0]) && !vcMove(args[0]) && args[0] != "leave")
        return "vc needs a station id, left, right, up, down or leave";
    if (a.kind == "camera" && ((args[0] != "follow" && args[0] != "place") ||
                               !parseNumbers(args[1] + " " + args[2] + " " + args[3], 3)))
        return "camera needs 'follow' or 'place' and three numbers";
    if (a.kind == "visual" && args[1] != "create" && args[1] != "destroy")
        return "visual needs a vessel and 'create' or 'destroy'";
    return "";
}

HWND topDialog(Host& host)
{
    const auto open = host.dialogs().openDialogs();
    return open.empty() ? nullptr : open.back();
}

VesselRecord& namedVessel(Host& host, const std::string& name, const std::filesystem::path& file, int line)
{
    VesselRecord* v = host.findVessel(name);
    if (!v)
        throw InputError(file, line, "no vessel '" + name + "'");
    return *v;
}

void runVc(Host& host, const ScenarioAction& a, const std::filesystem::path& file)
{
    if (a.args[0] == "leave") {
        host.leaveVirtualCockpit();
    } else if (const auto move = vcMove(a.args[0])) {
        host.moveVirtualCockpit(*move);
    } else {
        if (!host.focus)
            throw InputError(file, a.line, "no focus vessel for the virtual cockpit");
        host.enterVirtualCockpit(*host.focus, static_cast<int>(*parseInt(a.args[0])));
    }
}

void runDialogAction(Host& host, const ScenarioAction& a)
{
    HWND dialog = topDialog(host);
    if (!dialog)
        return;  // like a click with no dialog on screen: nothing happens
    if (a.kind == "click")
        host.dialogs().click(dialog, static_cast<int>(*parseInt(a.args[0])));
    else if (a.kind == "enter")
        host.dialogs().pressEnter(dialog);
    else
        host.dialogs().pressEscape(dialog);
}

}  // namespace

std::optional<DWORD> keyCode(const std::string& name)
{
    if (name == "L")
        return OAPI_KEY_L;
    if (name == "ENTER" || name == "RETURN")
        return OAPI_KEY_RETURN;
    if (name == "ESC" || name == "ESCAPE")
        return OAPI_KEY_ESCAPE;
    if (name.size() > 2 && name.size() <= 4 && name[0] == '0' && (name[1] == 'x' || name[1] == 'X')) {
        DWORD code = 0;
        for (std::size_t i = 2; i < name.size(); ++i) {
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
            const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (digit < 0)
                return std::nullopt;
            code = code * 16 + static_cast<DWORD>(digit);
        }
        return code;
    }
    return std::nullopt;
}

std::string checkAction(const ScenarioAction& a)
{
    const auto form = std::find_if(kForms.begin(), kForms.end(), [&](const ActionForm& f) { return a.kind == f.kind; });
    if (form == kForms.end())
        return "unknown action '" + a.kind + "'";
    if (a.args.size() < form->minArgs || a.args.size() > form->maxArgs)
        return "wrong number of arguments for '" + a.kind + "'";
    return checkArguments(a);
}

std::string checkActionTarget(Host& host, const ScenarioAction& a)
{
    if (a.kind == "command") {
        const auto& list = host.customCommands().list();
        const bool known = std::any_of(list.begin(), list.end(), [&](const auto& c) { return c.label == a.args[0]; });
        return known ? "" : "no custom command '" + a.args[0] + "'";
    }
    if ((a.kind == "thrust" || a.kind == "focus" || a.kind == "visual") && !host.findVessel(a.args[0]))
        return "no vessel '" + a.args[0] + "'";
    return "";
}

void runAction(Host& host, const ScenarioAction& a, const std::filesystem::path& file)
{
    std::string line = a.kind;
    for (const auto& arg : a.args)
        line += " " + arg;
    HostEvent e;
    e.time = host.simTime(), e.kind = "action", e.text = line;
    host.events().add(std::move(e));

    if (a.kind == "command") {
        if (!host.customCommands().pick(a.args[0]))
            throw InputError(file, a.line, "no custom command '" + a.args[0] + "'");
    } else if (a.kind == "click" || a.kind == "enter" || a.kind == "esc") {
        runDialogAction(host, a);
    } else if (a.kind == "key") {
        if (host.focus)
            host.pressKey(*host.focus, *keyCode(a.args[0]), a.args.size() == 1);
    } else if (a.kind == "thrust") {
        namedVessel(host, a.args[0], file, a.line).iface->SetThrusterGroupLevel(*groupType(a.args[1]),
                                                                                *parseDouble(a.args[2]));
    } else if (a.kind == "vc") {
        runVc(host, a, file);
    } else if (a.kind == "camera") {
        const auto v = *parseNumbers(a.args[1] + " " + a.args[2] + " " + a.args[3], 3);
        if (a.args[0] == "follow")
            host.followFocus({v[0], v[1], v[2]});
        else
            host.placeCamera({v[0], v[1], v[2]});
    } else if (a.kind == "focus") {
        host.focus = &namedVessel(host, a.args[0], file, a.line);
    } else if (a.kind == "visual") {
        VesselRecord& v = namedVessel(host, a.args[0], file, a.line);
        if (a.args[1] == "create")
            host.visuals().create(v);
        else
            host.visuals().destroy(v);
    }
}

}  // namespace sim
