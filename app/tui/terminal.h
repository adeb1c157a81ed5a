// The terminal, through ncurses: taken over on construction and given back as it was on
// destruction, whichever way the program leaves (a return, an exception, SIGINT, SIGTERM
// or SIGHUP, which end the view instead of killing the program).
#pragma once

#include <optional>

#include "app/tui/canvas.h"
#include "app/tui/keys.h"

struct screen;

namespace app::tui {

class Terminal {
public:
    // Throws std::runtime_error when standard input and output are not a terminal, or the
    // terminal's type is unknown.
    Terminal();
    ~Terminal();
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    int columns() const;
    int rows() const;

    // The next key, waiting at most `timeoutMs` milliseconds for it; nothing when none came.
    std::optional<Key> readKey(int timeoutMs);
    // Replaces what the terminal shows; after a resize the whole screen is repainted.
    void show(const Screen& screen);

    // The signal that asked the program to stop, or 0.
    static int stopSignal();

private:
    struct screen* screen_ = nullptr;
    bool utf8_ = false;
    bool repaint_ = false;
};

}  // namespace app::tui
