// The two buttons as the window runs them, on the one simulation of this
// process. The presses continue the random stream from iteration to
// iteration, so every iteration draws fresh noise, as repeated presses do.

#include "Presses.h"
#include "SharedSimulation.h"
#include "Simulation.h"
#include "Stretch.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

constexpr SliderPositions DefaultSliders{300, -10, 4};

// Start at the default sliders: SynthesizeExposure (960,000 draws and
// 480,000 deviates, the star light, the sum) and StretchForDisplay.
void BM_PressStart(benchmark::State& state)
{
    EnsureSimulation();
    for (auto _ : state)
        PressStart(DefaultSliders);
    benchmark::DoNotOptimize(DisplayFrame[0][0]);
}

std::vector<std::int32_t> CopyOfRawFrame()
{
    std::vector<std::int32_t> copy;
    copy.reserve(static_cast<std::size_t>(FrameWidth) * static_cast<std::size_t>(FrameHeight));
    for (std::int32_t x = 0; x < FrameWidth; ++x)
        copy.insert(copy.end(), RawFrame[x], RawFrame[x] + FrameHeight);
    return copy;
}

void RestoreRawFrame(const std::vector<std::int32_t>& copy)
{
    auto from = copy.begin();
    for (std::int32_t x = 0; x < FrameWidth; ++x, from += FrameHeight)
        std::copy(from, from + FrameHeight, RawFrame[x]);
}

// Dark processing at the default sliders: SubtractDark (960,000 draws) and
// StretchForDisplay. Each press needs an exposure waiting for it; untimed,
// every iteration puts back the same exposure and marks it pending, so the
// subtractions do not pile up on one another.
void BM_PressDark(benchmark::State& state)
{
    EnsureSimulation();
    PressStart(DefaultSliders);
    const std::vector<std::int32_t> exposure = CopyOfRawFrame();
    for (auto _ : state) {
        state.PauseTiming();
        RestoreRawFrame(exposure);
        DarkPending = 1;
        state.ResumeTiming();
        if (!PressDark(DefaultSliders)) {
            state.SkipWithError("no exposure was pending");
            break;
        }
    }
    benchmark::DoNotOptimize(DisplayFrame[0][0]);
}

// The stretch alone, part of both presses: three passes, no draws.
void BM_StretchForDisplay(benchmark::State& state)
{
    EnsureSimulation();
    PressStart(DefaultSliders);
    for (auto _ : state)
        StretchForDisplay();
    benchmark::DoNotOptimize(DisplayFrame[0][0]);
}

}  // namespace

BENCHMARK(BM_PressStart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PressDark)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StretchForDisplay)->Unit(benchmark::kMillisecond);
