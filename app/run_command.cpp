#include <cstdio>
#include <unistd.h>

#include "app/commands.h"
#include "app/run_record.h"
#include "app/run_report.h"
#include "app/track_output.h"
#include "sim/errors.h"
#include "sim/scenario_run.h"

namespace app {

namespace {

constexpr double kSampleInterval = 1.0;  // track and angle samples [s of simulation]
constexpr long kProgressEvery = 2000;     // steps between progress line updates

std::filesystem::path resolveScenario(const std::filesystem::path& root, const std::string& given)
{
    const std::filesystem::path p(given);
    if (std::filesystem::exists(p) || p.is_absolute())
        return p;
    const auto inTree = root / "Scenarios" / p;
    return std::filesystem::exists(inTree) ? inTree : p;
}

void writeText(const std::filesystem::path& file, const std::string& text)
{
    std::FILE* f = std::fopen(file.string().c_str(), "wb");
    if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0)
        throw std::runtime_error(file.string() + ": cannot write");
}

}  // namespace

std::filesystem::path defaultScenario(const std::filesystem::path& root)
{
    return root / "Scenarios" / "Veskar" / "payload-release.scn";
}

int runScenario(const std::filesystem::path& root, const RunCommandOptions& options, std::ostream& out)
{
    const auto file = options.scenario.empty() ? defaultScenario(root) : resolveScenario(root, options.scenario);
    sim::ScenarioRun run(root, sim::readScenario(file));
    RunRecord record(kSampleInterval);
    record.observe(run.host());

    const bool showProgress = options.progress && ::isatty(STDERR_FILENO);
    const sim::RunOptions runOptions{options.step, options.until};
    const double end = run.endTime(runOptions);
    long steps = 0;
    run.run(runOptions, [&](double t) {
        record.observe(run.host());
        if (showProgress && ++steps % kProgressEvery == 0)
            std::fprintf(stderr, "\r  t = %9.1f s of %.1f s", t, end);
    });
    if (showProgress)
        std::fprintf(stderr, "\r%60s\r", "");

    const auto report = runReport(run, record, options.step);
    if (options.json)
        out << report.dump(2) << "\n";
    else
        out << renderRunReport(report);
    if (!options.save.empty())
        writeText(options.save, sim::formatScenario(run.saved()));
    if (!options.csv.empty())
        writeTracksCsv(record, options.csv);
    if (!options.plot.empty())
        writePlot(record, options.plot);
    return 0;
}

}  // namespace app
