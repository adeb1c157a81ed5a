// veskar-sim: the headless host's command-line program.

#include <exception>
#include <iostream>

#include <CLI/CLI.hpp>

#include "app/commands.h"
#include "app/install_root.h"
#if VESKAR_INTERACTIVE
#include "app/tui/interactive_command.h"
#endif

namespace {

void addRunOptions(CLI::App& cmd, app::RunCommandOptions& run)
{
    cmd.add_option("--step", run.step, "time step [s]")->check(CLI::PositiveNumber);
    cmd.add_option("--until", run.until, "end time [s] (default: the scenario's 'end' action, else 600)")
        ->check(CLI::NonNegativeNumber);
    cmd.add_option("--save", run.save, "write the final state as a scenario to FILE");
    cmd.add_option("--csv", run.csv, "write every vessel's track to FILE (CSV)");
    cmd.add_option("--plot", run.plot, "draw the payload angle and the orbits to FILE (PNG, needs gnuplot)");
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App cli{"veskar-sim: a headless host for the Veskar tether add-on.\n"
                 "Without a command it runs the bundled payload-release scenario."};
    cli.require_subcommand(0, 1);

    std::string root = app::programFolder().string();
    cli.add_option("--root", root, "host installation folder (Modules/, Config/, Meshes/, Scenarios/)")
        ->check(CLI::ExistingDirectory);
    app::RunCommandOptions defaultRun;
    cli.add_flag("--json", defaultRun.json, "the default run's report as one JSON document");

    app::RunCommandOptions run;
    CLI::App* runCmd = cli.add_subcommand("run", "run a scenario and report what happened");
    runCmd->add_option("SCENARIO", run.scenario, "scenario file, or a path below Scenarios/")->required();
    runCmd->add_flag("--json", run.json, "the report as one JSON document");
    addRunOptions(*runCmd, run);

    app::InspectOptions inspect;
    CLI::App* inspectCmd = cli.add_subcommand("inspect", "create one vessel of a class and show what it declared");
    inspectCmd->add_option("CLASS", inspect.className, "vessel class name")->required();
    inspectCmd->add_flag("--json", inspect.json, "one JSON document instead of text");

#if VESKAR_INTERACTIVE
    app::InteractiveOptions interactive;
    CLI::App* interactiveCmd =
        cli.add_subcommand("interactive", "run a scenario live in the terminal, without its scripted actions");
    interactiveCmd->add_option("SCENARIO", interactive.scenario,
                               "scenario file, or a path below Scenarios/ (default: the bundled payload release)");
    interactiveCmd->add_option("--step", interactive.step, "fixed time step [s]")->check(CLI::Range(0.001, 60.0));
    interactiveCmd->add_option("--save", interactive.save,
                               "the file offered for saving the state on quitting (default: <scenario>-saved.scn)");
    interactiveCmd->add_flag("--paused", interactive.paused, "start with the simulation paused");
#endif

    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return cli.exit(e);
    }

    try {
        if (inspectCmd->parsed())
            return app::runInspect(root, inspect, std::cout);
        if (runCmd->parsed())
            return app::runScenario(root, run, std::cout);
#if VESKAR_INTERACTIVE
        if (interactiveCmd->parsed())
            return app::runInteractive(root, interactive, std::cout);
#endif
        return app::runScenario(root, defaultRun, std::cout);
    } catch (const std::exception& e) {
        std::cerr << "veskar-sim: error: " << e.what() << "\n";
        return 1;
    }
}
