#pragma once
// The engine's state exists once per process and is set up once, as at the
// program's launch. A test that starts from the launch therefore runs its
// scenario in a child process of its own and asserts on the snapshots that
// the child sends back; the test process itself never touches the engine,
// so the tests can run one by one (ctest) or all in one process.

#include "EngineSnapshot.h"
#include "Presses.h"

#include <cstdint>
#include <functional>
#include <vector>

// One button press with the slider positions at that moment.
struct Press {
    enum class Button { Start, Dark };
    Button button;
    SliderPositions at;
};

inline Press Start(std::int32_t exposure, std::int32_t temperature, std::int32_t magnitude)
{
    return {Press::Button::Start, {exposure, temperature, magnitude}};
}

inline Press Dark(std::int32_t exposure, std::int32_t temperature, std::int32_t magnitude)
{
    return {Press::Button::Dark, {exposure, temperature, magnitude}};
}

// Plays the press on this process's engine as the window's button would.
void Play(const Press& press);

// Hands the child's snapshots to the test process.
class SnapshotSink {
public:
    explicit SnapshotSink(int fd) : fd(fd) {}
    // Sends a copy of the engine as it stands now.
    void Take();

private:
    int fd;
};

// Runs `scenario` in a fresh child process and returns the snapshots it
// took, in order. The scenario launches the engine itself
// (StartRandomSource, SetUpSimulation), so that it can change what comes
// before or between. Throws std::runtime_error when the child does not end
// normally with status 0.
std::vector<EngineSnapshot> RunInFreshProcess(const std::function<void(SnapshotSink&)>& scenario);

// The program's launch followed by `presses`: the snapshot right after the
// set-up, then one after each press.
std::vector<EngineSnapshot> PlayFromLaunch(const std::vector<Press>& presses);
