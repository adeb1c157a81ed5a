// Per-step costs of the default payload-release scenario, each beside its floor, and the
// scenario's throughput in simulated seconds per wall-clock second.

#include <benchmark/benchmark.h>

#include <memory>

#include "app/commands.h"
#include "app/payload_angle.h"
#include "bench/floors.h"
#include "sim/composite.h"
#include "sim/docking.h"
#include "sim/rigid_body.h"
#include "sim/scenario_run.h"

namespace {

constexpr double kStep = 0.1;  // the default scenario's step [s]

std::unique_ptr<sim::ScenarioRun> defaultRun()
{
    const std::filesystem::path root = VESKAR_BUILD_TREE;
    return std::make_unique<sim::ScenarioRun>(root, sim::readScenario(app::defaultScenario(root)));
}

// The default scenario 11 s in: dialog open and armed, payload docked, well before release.
std::unique_ptr<sim::ScenarioRun> armedRun()
{
    auto run = defaultRun();
    run->run({kStep, 11.0});
    return run;
}

bench::LightsInput lightsOf(sim::Host& host)
{
    const sim::VesselRecord& tether = *host.findVessel("Veskar1");
    bench::LightsInput in;
    in.R = tether.state.R;
    in.pos = tether.state.pos;
    in.camera = host.cameraPos;
    const double exponents[5] = {0.6, 0.3, 0.3, 0.3, 0.7};
    for (std::size_t i = 0; i < in.local.size(); ++i) {
        in.local[i] = *tether.beacons[i]->pos;
        in.exponent[i] = exponents[i % 5];
    }
    return in;
}

void BM_TetherPreStep(benchmark::State& state)
{
    auto run = armedRun();
    VESSEL2* tether = run->host().findVessel("Veskar1")->callbacks();
    for (auto _ : state)
        tether->clbkPreStep(11.0, kStep, 61000.5);
    benchmark::DoNotOptimize(run->host().findVessel("Veskar1")->beacons[0]->size);
}
BENCHMARK(BM_TetherPreStep);

void BM_TetherPreStepFloor(benchmark::State& state)
{
    auto run = armedRun();
    bench::LightsInput in = lightsOf(run->host());
    for (auto _ : state) {
        bench::lightsFloor(in);
        benchmark::DoNotOptimize(in.size.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TetherPreStepFloor);

void BM_PluginPreStep(benchmark::State& state)
{
    auto run = armedRun();
    sim::Host& host = run->host();
    for (auto _ : state)
        host.plugins().preStep(11.0, kStep, 61000.5);
}
BENCHMARK(BM_PluginPreStep);

void BM_PluginPreStepFloor(benchmark::State& state)
{
    auto run = armedRun();
    const app::TetherView view = app::findTether(run->host());
    sim::Composite whole;
    whole.build(sim::superstructureOf(*view.tether));
    bench::AngleInput in{view.tether->state.pos, view.tether->state.vel, sim::portGlobalPos(*view.payloadPort),
                         whole.cgGlobal, 0.5};
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::angleFloor(in));
        in.previous = 0.5;
    }
}
BENCHMARK(BM_PluginPreStepFloor);

void BM_HostStep(benchmark::State& state)
{
    auto run = armedRun();
    sim::Host& host = run->host();
    for (auto _ : state)
        host.step(kStep);
    benchmark::DoNotOptimize(host.simTime());
}
BENCHMARK(BM_HostStep);

// One host step's unavoidable arithmetic: the superstructure's RK4 step with gravity
// gradient, the lights, and the payload angle.
void BM_HostStepFloor(benchmark::State& state)
{
    auto run = armedRun();
    sim::Host& host = run->host();
    sim::Composite whole;
    whole.build(sim::superstructureOf(*host.findVessel("Veskar1")));
    sim::BodyLoads loads;
    loads.inertia = whole.inertia;
    loads.rotates = sim::invert(loads.inertia, loads.inertiaInverse);
    sim::BodyState body{whole.cgGlobal, whole.velGlobal, sim::fromMatrix(host.findVessel("Veskar1")->state.R),
                        whole.angularVelocity(), whole.mass};
    bench::LightsInput lights = lightsOf(host);
    const app::TetherView view = app::findTether(host);
    bench::AngleInput angle{view.tether->state.pos, view.tether->state.vel, sim::portGlobalPos(*view.payloadPort),
                            whole.cgGlobal, 0.5};
    for (auto _ : state) {
        body = sim::rk4Step(body, loads, kStep);
        bench::lightsFloor(lights);
        benchmark::DoNotOptimize(bench::angleFloor(angle));
        benchmark::DoNotOptimize(body);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_HostStepFloor);

// The whole default scenario (200 s at 0.1 s), as simulated seconds per wall second.
void BM_DefaultScenarioThroughput(benchmark::State& state)
{
    double simulated = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        auto run = defaultRun();
        state.ResumeTiming();
        run->run({kStep, -1.0});
        simulated += run->host().simTime();
    }
    state.counters["sim_s_per_wall_s"] = benchmark::Counter(simulated, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DefaultScenarioThroughput)->Unit(benchmark::kMillisecond);

}  // namespace
