#include "app/tui/session.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/tui/snapshot.h"

namespace app::tui {

namespace {

constexpr double kStepSlack = 1e-9;  // of a step: what rounding may leave of a whole one

// Writes the whole text, or says why it could not.
std::string writeFile(const std::filesystem::path& file, const std::string& text)
{
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (!f)
        return file.string() + ": cannot write: " + std::strerror(errno);
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const int writeError = errno;
    const bool closed = std::fclose(f) == 0;
    if (written && closed)
        return "";
    return file.string() + ": cannot write: " + std::strerror(written ? errno : writeError);
}

}  // namespace

Session::Session(sim::ScenarioRun& run, SessionOptions options)
    : run_(run), options_(std::move(options)), paused_(options_.paused), lastDebugLine_(run.host().debugString())
{
}

void Session::advance(double wallSeconds, const std::function<bool()>& outOfTime)
{
    if (paused_ || prompt_) {
        owed_ = 0.0;
        return;
    }
    owed_ += std::clamp(wallSeconds, 0.0, kLongestCatchUp) * timeAcceleration();
    while (owed_ >= options_.step * (1.0 - kStepSlack)) {
        if (outOfTime && outOfTime()) {
            behind_ = true;
            owed_ = 0.0;
            return;
        }
        stepOnce();
        owed_ -= options_.step;
    }
    behind_ = false;
}

// The host is stepped directly rather than through ScenarioRun::run: the session has no
// scripted actions to run between steps, and every step is exactly one fixed step long.
void Session::stepOnce()
{
    run_.host().step(options_.step);
    noteDebugLine();
}

void Session::noteDebugLine()
{
    sim::Host& host = run_.host();
    const std::string now = host.debugString();
    if (now == lastDebugLine_)
        return;
    lastDebugLine_ = now;
    sim::HostEvent e;
    e.time = host.simTime(), e.kind = "debug", e.text = now;
    host.events().add(std::move(e));
}

ViewModel Session::view()
{
    ViewModel v;
    v.scenario = run_.scenario().file.filename().string();
    snapshotHost(run_.host(), v);
    v.timeAcceleration = timeAcceleration();
    v.paused = paused_;
    v.behind = behind_;
    v.menu = menu_;
    v.quitPrompt = prompt_;
    return v;
}

void Session::quit()
{
    const std::string& name = prompt_->file;
    if (name.empty()) {
        finished_ = true;
        return;
    }
    const std::filesystem::path file(name);
    if (std::string problem = writeFile(file, sim::formatScenario(run_.saved())); !problem.empty()) {
        prompt_->problem = std::move(problem);
        return;
    }
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(file, ec);
    savedTo_ = ec ? file : absolute;
    finished_ = true;
}

}  // namespace app::tui
