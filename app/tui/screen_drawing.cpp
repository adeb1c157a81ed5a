#include "app/tui/screen_drawing.h"

#include <algorithm>

#include "app/tui/dialog_drawing.h"
#include "app/tui/state_panel.h"
#include "app/tui/text_cells.h"

namespace app::tui {

namespace {

// The layout of an 80 x 24 screen; a larger one gives the extra rows to the events.
constexpr int kPanelTop = 1;
constexpr int kPanelRows = 13;
constexpr int kStateColumns = 36;
constexpr int kSidePanelLeft = 37;
constexpr int kSidePanelColumns = 43;
constexpr int kVesselsRow = kPanelTop + kPanelRows;
constexpr int kCommandsRow = kVesselsRow + 1;
constexpr int kEventsRow = kCommandsRow + 1;  // its title line

constexpr const char* kKeys = "F4 commands  Enter/Esc dialog  +/- time  Space pause  Tab focus  q quit";
constexpr const char* kQuitQuestion = "Quit: Enter saves to this file and quits, with no name just quits; Esc: back";

std::string header(const ViewModel& v, int columns)
{
    std::string state = v.quitPrompt ? "stopped" : v.paused ? "PAUSED" : "running";
    if (v.behind && !v.paused && !v.quitPrompt)
        state += " (behind)";
    const std::string right = formatted("t = %.1f s   x%d   %s ", v.simTime, v.timeAcceleration, state.c_str());
    const std::string left = " " + v.scenario;
    const int room = columns - widthOf(right);
    return fitted(left, std::max(0, room)) + right;
}

void drawMenu(Canvas& c, const ViewModel& v)
{
    c.frame(kPanelTop, kSidePanelLeft, kPanelRows, kSidePanelColumns, "Custom commands");
    const int inner = kSidePanelColumns - 4;
    if (v.commands.empty())
        c.put(kPanelTop + 2, kSidePanelLeft + 2, fitted("No commands registered.", inner));
    const int shown = std::min<int>(static_cast<int>(v.commands.size()), kPanelRows - 5);
    const int first = std::clamp(v.menu->selected - shown + 1, 0, std::max(0, static_cast<int>(v.commands.size()) - shown));
    for (int i = 0; i < shown; ++i) {
        const int index = first + i;
        const bool selected = index == v.menu->selected;
        const int row = kPanelTop + 2 + i;
        c.put(row, kSidePanelLeft + 2, fitted((selected ? "> " : "  ") + v.commands[static_cast<std::size_t>(index)], inner));
        if (selected)
            c.highlight(row, kSidePanelLeft + 2, inner);
    }
    c.put(kPanelTop + kPanelRows - 2, kSidePanelLeft + 2, fitted("Up/Down, Enter: run it, Esc: close", inner));
}

void drawSidePanel(Canvas& c, const ViewModel& v)
{
    if (v.menu) {
        drawMenu(c, v);
    } else if (v.dialog) {
        // Clipped to the panel, should a dialog be larger.
        Canvas panel(kSidePanelColumns, kPanelRows);
        panel.paste(0, 0, drawDialog(*v.dialog));
        c.paste(kPanelTop, kSidePanelLeft, panel);
    } else {
        c.frame(kPanelTop, kSidePanelLeft, kPanelRows, kSidePanelColumns, "Dialogs");
        c.put(kPanelTop + 2, kSidePanelLeft + 2, "No dialog open.");
        c.put(kPanelTop + 3, kSidePanelLeft + 2, "F4 lists the custom commands.");
    }
}

void drawEvents(Canvas& c, const ViewModel& v, int columns, int lastRow)
{
    c.put(kEventsRow, 0, fitted("-- Events " + std::string(static_cast<std::size_t>(columns), '-'), columns));
    const int room = lastRow - kEventsRow;
    const int shown = std::min<int>(room, static_cast<int>(v.events.size()));
    for (int i = 0; i < shown; ++i) {
        const EventLine& e = v.events[v.events.size() - static_cast<std::size_t>(shown - i)];
        c.put(kEventsRow + 1 + i, 0, fitted(formatted("%10.1f s  ", e.time) + e.text, columns));
    }
}

void drawFoot(Canvas& c, const ViewModel& v, int columns, int rows)
{
    if (v.quitPrompt) {
        const QuitPrompt& q = *v.quitPrompt;
        c.put(rows - 2, 0, fitted(q.problem.empty() ? kQuitQuestion : q.problem, columns));
        if (!q.problem.empty())
            c.highlight(rows - 2, 0, std::min(widthOf(q.problem), columns));
        // The end of a long name stays in view, with the cursor after it.
        const std::string label = "Save to: ";
        const std::vector<std::string> cells = cellsOf(q.file);
        const int room = columns - widthOf(label) - 2;
        std::string tail;
        for (std::size_t i = cells.size() > static_cast<std::size_t>(room) ? cells.size() - static_cast<std::size_t>(room) : 0;
             i < cells.size(); ++i)
            tail += cells[i];
        c.put(rows - 1, 0, fitted(label + tail + "_", columns));
        return;
    }
    c.put(rows - 2, 0, fitted("Debug: " + v.debugLine, columns));
    c.put(rows - 1, 0, fitted(kKeys, columns));
}

Screen tooSmall(const ViewModel& v, int columns, int rows)
{
    Canvas c(columns, rows);
    std::vector<std::string> lines = wrapped(
        formatted("The view needs %d x %d cells; this terminal has %d x %d.", kMinColumns, kMinRows, columns, rows),
        columns);
    if (v.quitPrompt)
        lines.push_back("Save to: " + v.quitPrompt->file + "_");
    for (std::size_t i = 0; i < lines.size(); ++i)
        c.put(static_cast<int>(i), 0, lines[i]);
    return c.screen();
}

}  // namespace

Screen drawScreen(const ViewModel& v, int columns, int rows)
{
    if (columns < kMinColumns || rows < kMinRows)
        return tooSmall(v, columns, rows);
    Canvas c(columns, rows);
    c.put(0, 0, header(v, columns));
    c.highlight(0, 0, columns);

    const std::vector<std::string> state = focusLines(v);
    for (int i = 0; i < std::min<int>(kPanelRows, static_cast<int>(state.size())); ++i)
        c.put(kPanelTop + i, 0, fitted(state[static_cast<std::size_t>(i)], kStateColumns));
    drawSidePanel(c, v);
    c.put(kVesselsRow, 0, fitted(vesselsLine(v), columns));
    c.put(kCommandsRow, 0, fitted(commandsLine(v), columns));

    drawEvents(c, v, columns, rows - 3);
    drawFoot(c, v, columns, rows);
    return c.screen();
}

}  // namespace app::tui
