// veskar-sim: the headless host's command-line program.

#include <exception>
#include <iostream>

#include <CLI/CLI.hpp>

#include "app/commands.h"
#include "app/install_root.h"

int main(int argc, char** argv)
{
    CLI::App cli{"veskar-sim: a headless host for the Veskar tether add-on"};
    cli.require_subcommand(0, 1);

    std::string root = app::programFolder().string();
    cli.add_option("--root", root, "host installation folder (Modules/, Config/, Meshes/)")->check(CLI::ExistingDirectory);

    app::InspectOptions inspect;
    CLI::App* inspectCmd = cli.add_subcommand("inspect", "create one vessel of a class and show what it declared");
    inspectCmd->add_option("CLASS", inspect.className, "vessel class name")->required();
    inspectCmd->add_flag("--json", inspect.json, "one JSON document instead of text");

    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return cli.exit(e);
    }

    try {
        if (inspectCmd->parsed())
            return app::runInspect(root, inspect, std::cout);
        std::cout << cli.help();
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "veskar-sim: error: " << e.what() << "\n";
        return 1;
    }
}
