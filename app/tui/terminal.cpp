#include "app/tui/terminal.h"

#include <algorithm>
#include <array>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <langinfo.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include <curses.h>

#include "app/tui/text_cells.h"

namespace app::tui {

namespace {

constexpr int kEscapeDelayMs = 25;  // how long a lone Esc waits for the rest of a sequence
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t stopRequest = 0;
std::array<struct sigaction, std::size(kStopSignals)> previousActions{};

extern "C" void onStopSignal(int signal)
{
    stopRequest = signal;
}

void catchStopSignals()
{
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kStopSignals); ++i)
        sigaction(kStopSignals[i], &action, &previousActions[i]);
}

void restoreStopSignals()
{
    for (std::size_t i = 0; i < std::size(kStopSignals); ++i)
        sigaction(kStopSignals[i], &previousActions[i], nullptr);
}

std::optional<Key> keyOf(int ch)
{
    using K = Key::Kind;
    switch (ch) {
    case KEY_RESIZE: return Key{K::Resize};
    case '\n':
    case '\r':
    case KEY_ENTER: return Key{K::Enter};
    case 27: return Key{K::Escape};
    case '\t': return Key{K::Tab};
    case KEY_BACKSPACE:
    case 127:
    case 8: return Key{K::Backspace};
    case KEY_UP: return Key{K::Up};
    case KEY_DOWN: return Key{K::Down};
    case KEY_F(3): return Key{K::F3};
    case KEY_F(4): return Key{K::F4};
    default: break;
    }
    if (ch >= 0 && ch < 256)
        return Key{K::Char, static_cast<unsigned char>(ch)};
    return std::nullopt;  // a function key the view has no use for
}

}  // namespace

Terminal::Terminal()
{
    if (!::isatty(STDIN_FILENO) || !::isatty(STDOUT_FILENO))
        throw std::runtime_error("interactive: standard input and output must be a terminal");
    // The character set only: numbers keep the C locale's decimal point.
    std::setlocale(LC_CTYPE, "");
    utf8_ = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    // Before ncurses starts, so that it leaves these signals to us.
    stopRequest = 0;
    catchStopSignals();
    screen_ = newterm(nullptr, stdout, stdin);
    if (!screen_) {
        restoreStopSignals();
        const char* type = std::getenv("TERM");
        throw std::runtime_error(std::string("interactive: cannot use the terminal (TERM=") + (type ? type : "") + ")");
    }
    set_term(screen_);
    cbreak();
    noecho();
    keypad(stdscr, TRUE);
    set_escdelay(kEscapeDelayMs);
    curs_set(0);
}

Terminal::~Terminal()
{
    endwin();
    delscreen(screen_);
    restoreStopSignals();
}

int Terminal::columns() const
{
    return getmaxx(stdscr);
}

int Terminal::rows() const
{
    return getmaxy(stdscr);
}

std::optional<Key> Terminal::readKey(int timeoutMs)
{
    wtimeout(stdscr, timeoutMs);
    for (;;) {
        const int ch = wgetch(stdscr);
        if (ch == ERR)
            return std::nullopt;
        if (const auto key = keyOf(ch)) {
            if (key->kind == Key::Kind::Resize)
                repaint_ = true;
            return key;
        }
    }
}

void Terminal::show(const Screen& s)
{
    if (repaint_) {
        clearok(curscr, TRUE);
        repaint_ = false;
    }
    werase(stdscr);
    const int height = std::min<int>(rows(), static_cast<int>(s.lines.size()));
    for (int r = 0; r < height; ++r) {
        std::string line = utf8_ ? s.lines[static_cast<std::size_t>(r)] : asciiOnly(s.lines[static_cast<std::size_t>(r)]);
        line.erase(line.find_last_not_of(' ') + 1);
        mvwaddstr(stdscr, r, 0, line.c_str());
    }
    for (const Highlight& h : s.highlights)
        mvwchgat(stdscr, h.row, h.col, h.width, A_REVERSE, 0, nullptr);
    wnoutrefresh(stdscr);
    doupdate();
}

int Terminal::stopSignal()
{
    return stopRequest;
}

}  // namespace app::tui
