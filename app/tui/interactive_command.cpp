#include "app/tui/interactive_command.h"

#include <chrono>

#include "app/commands.h"
#include "app/tui/screen_drawing.h"
#include "app/tui/session.h"
#include "app/tui/state_panel.h"
#include "app/tui/terminal.h"
#include "sim/scenario_run.h"

namespace app {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kFrameMs = 50;                                  // at most 20 frames a second
constexpr auto kStepBudget = std::chrono::milliseconds(40);  // stepping time allowed a frame

std::filesystem::path scenarioFile(const std::filesystem::path& root, const std::string& given)
{
    if (given.empty())
        return defaultScenario(root);
    const std::filesystem::path p(given);
    if (std::filesystem::exists(p) || p.is_absolute())
        return p;
    const auto inTree = root / "Scenarios" / p;
    return std::filesystem::exists(inTree) ? inTree : p;
}

void runView(tui::Session& session)
{
    tui::Terminal terminal;
    auto last = Clock::now();
    while (!session.finished() && tui::Terminal::stopSignal() == 0) {
        const auto now = Clock::now();
        const double wallSeconds = std::chrono::duration<double>(now - last).count();
        last = now;
        session.advance(wallSeconds, [deadline = now + kStepBudget] { return Clock::now() > deadline; });
        terminal.show(tui::drawScreen(session.view(), terminal.columns(), terminal.rows()));
        // Wait up to a frame for a key, then take every key that is waiting.
        for (auto key = terminal.readKey(kFrameMs); key && !session.finished(); key = terminal.readKey(0))
            session.press(*key);
    }
}

}  // namespace

int runInteractive(const std::filesystem::path& root, const InteractiveOptions& options, std::ostream& out)
{
    const std::filesystem::path file = scenarioFile(root, options.scenario);
    sim::Scenario scenario = sim::readScenario(file);
    // The user acts here, not the script.
    scenario.actions.clear();
    sim::ScenarioRun run(root, std::move(scenario));

    tui::SessionOptions sessionOptions;
    sessionOptions.step = options.step;
    sessionOptions.saveFile = options.save.empty() ? file.stem().string() + "-saved.scn" : options.save;
    sessionOptions.paused = options.paused;
    tui::Session session(run, sessionOptions);
    runView(session);

    const double t = run.host().simTime();
    if (const int signal = tui::Terminal::stopSignal(); signal != 0 && !session.finished()) {
        out << tui::formatted("veskar-sim: stopped by signal %d at t = %.1f s, the state not saved\n", signal, t);
        return 128 + signal;
    }
    if (session.savedTo().empty())
        out << tui::formatted("veskar-sim: quit at t = %.1f s without saving\n", t);
    else
        out << tui::formatted("veskar-sim: saved the state at t = %.1f s to ", t) << session.savedTo().string() << "\n";
    return 0;
}

}  // namespace app
