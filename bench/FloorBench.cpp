// The floor under an exposure: the 480,000 logarithm, square-root and sine
// triples of its deviates, and nothing else. An exposure cannot go faster
// than this while it keeps libm's functions and its arithmetic, so the Start
// press is judged against it.
//
// The arguments are those of a real exposure (the first Start after
// start-up), taken from the random source before timing and held in memory,
// so the functions meet the same values in the same order, branches and all.

#include "Random.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr std::int32_t DeviatesPerExposure = 480000;
constexpr std::int32_t SetUpDraws = 726000;

// Replays the stream from start-up without touching the engine's own state.
std::vector<DeviateDraws> FirstExposureDraws()
{
    const std::uint32_t saved = RandomState;
    StartRandomSource();
    for (std::int32_t i = 0; i < SetUpDraws; ++i)
        NextRandom();
    std::vector<DeviateDraws> draws(DeviatesPerExposure);
    DrawDeviates(draws.data(), DeviatesPerExposure);
    RandomState = saved;
    return draws;
}

// Kept out of line so that a profiler can count it apart from the set-up of
// its arguments (valgrind --tool=callgrind --toggle-collect='*::ExposureFloor(*').
[[gnu::noinline]] void ExposureFloor(const std::vector<DeviateDraws>& draws)
{
    for (const DeviateDraws& pair : draws) {
        double s = std::sqrt(-2.0 * std::log(pair.u1));
        double t = std::sin(6.283185307179586 * pair.u2);
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(t);
    }
}

void BM_ExposureFloor(benchmark::State& state)
{
    const std::vector<DeviateDraws> draws = FirstExposureDraws();
    for (auto _ : state)
        ExposureFloor(draws);
}

}  // namespace

BENCHMARK(BM_ExposureFloor)->Unit(benchmark::kMillisecond);
