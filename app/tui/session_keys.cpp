// What each key does in the session: in the view, in the custom command list, and in the
// quit prompt.

#include <algorithm>
#include <iterator>

#include "app/tui/session.h"
#include "host/keys.h"

namespace app::tui {

namespace {

constexpr std::size_t kLongestFileName = 4096;  // [bytes]

HWND topDialog(sim::Host& host)
{
    const std::vector<HWND> open = host.dialogs().openDialogs();
    return open.empty() ? nullptr : open.back();
}

bool isChar(const Key& key, char c)
{
    return key.kind == Key::Kind::Char && key.ch == static_cast<unsigned char>(c);
}

}  // namespace

void Session::press(const Key& key)
{
    if (finished_)
        return;
    if (prompt_)
        pressInPrompt(key);
    else if (menu_)
        pressInMenu(key);
    else
        pressInView(key);
    noteDebugLine();
}

void Session::pressInView(const Key& key)
{
    sim::Host& host = run_.host();
    switch (key.kind) {
    case Key::Kind::F4:
        menu_ = CommandMenu{};
        return;
    case Key::Kind::Enter:
        if (HWND d = topDialog(host))
            host.dialogs().pressEnter(d);
        else
            tapVesselKey(OAPI_KEY_RETURN);
        return;
    case Key::Kind::Escape:
        if (HWND d = topDialog(host))
            host.dialogs().pressEscape(d);
        else
            tapVesselKey(OAPI_KEY_ESCAPE);
        return;
    case Key::Kind::Tab:
    case Key::Kind::F3:
        switchFocus();
        return;
    case Key::Kind::Char:
        break;
    default:
        return;
    }
    const int last = static_cast<int>(std::size(kTimeAccelerations)) - 1;
    if (isChar(key, 'q') || isChar(key, 'Q'))
        prompt_ = QuitPrompt{options_.saveFile.string(), ""};
    else if (isChar(key, '+') || isChar(key, '='))
        acceleration_ = std::min(acceleration_ + 1, last);
    else if (isChar(key, '-') || isChar(key, '_'))
        acceleration_ = std::max(acceleration_ - 1, 0);
    else if (isChar(key, ' '))
        paused_ = !paused_;
    else if (const auto code = vesselScanCode(key.ch))
        tapVesselKey(*code);
}

void Session::pressInMenu(const Key& key)
{
    const std::size_t count = run_.host().customCommands().list().size();
    switch (key.kind) {
    case Key::Kind::Up:
        menu_->selected = std::max(menu_->selected - 1, 0);
        return;
    case Key::Kind::Down:
        menu_->selected = std::min(menu_->selected + 1, std::max(static_cast<int>(count) - 1, 0));
        return;
    case Key::Kind::Enter: {
        const auto index = static_cast<std::size_t>(menu_->selected);
        menu_.reset();
        if (index < count)
            runCommand(index);
        return;
    }
    case Key::Kind::Escape:
    case Key::Kind::F4:
        menu_.reset();
        return;
    default:
        return;
    }
}

void Session::pressInPrompt(const Key& key)
{
    std::string& file = prompt_->file;
    switch (key.kind) {
    case Key::Kind::Enter:
        quit();
        return;
    case Key::Kind::Escape:
        prompt_.reset();
        return;
    case Key::Kind::Backspace:
        // One character: its UTF-8 continuation bytes go with it.
        while (!file.empty() && (static_cast<unsigned char>(file.back()) & 0xC0) == 0x80)
            file.pop_back();
        if (!file.empty())
            file.pop_back();
        return;
    case Key::Kind::Char:
        if (key.ch == kCtrlU)
            file.clear();
        else if (key.ch >= 0x20 && key.ch != 0x7F && file.size() < kLongestFileName)
            file += static_cast<char>(key.ch);
        return;
    default:
        return;
    }
}

void Session::tapVesselKey(DWORD scanCode)
{
    sim::Host& host = run_.host();
    if (!host.focus)
        return;
    host.pressKey(*host.focus, scanCode, true);
    host.pressKey(*host.focus, scanCode, false);
}

void Session::switchFocus()
{
    sim::Host& host = run_.host();
    const std::size_t n = host.vesselCount();
    if (n == 0)
        return;
    std::size_t next = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (host.vesselAt(i) == host.focus)
            next = (i + 1) % n;
    }
    host.focus = host.vesselAt(next);
}

void Session::runCommand(std::size_t index)
{
    sim::Host& host = run_.host();
    // Copied first: the callback may register or withdraw commands. Called directly rather
    // than picked by label, so that of two commands with one label the chosen one runs.
    const sim::CustomCommand command = host.customCommands().list()[index];
    sim::HostEvent e;
    e.time = host.simTime(), e.kind = "command", e.text = command.label;
    host.events().add(std::move(e));
    command.func(command.context);
}

}  // namespace app::tui
