// SetUpSimulation can run only once per process (its planes are never
// released), so each iteration forks a child that starts the random source
// and sets the simulation up, as a launch of the program does. What is timed
// is that start-up alone, measured by the child and sent back through a
// pipe; the fork, the pipe and the child's exit are not. The child allocates
// its planes afresh, so their first-touch page faults are counted as at a
// real launch.
//
// The reported time is the child's CPU time (user and system): on a shared
// machine its wall time also counts whatever else held the core. The wall
// time is shown beside it as the counter wall_ms.

#include "Random.h"
#include "Simulation.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// What the child sends back; a set-up that did not give the known first bias
// value and first star is reported as an error rather than timed.
struct ChildReport {
    double cpuSeconds;
    double wallSeconds;
    bool sane;
};

double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

[[noreturn]] void RunChild(int writeEnd)
{
    const double cpuBegin = ProcessCpuSeconds();
    const auto wallBegin = std::chrono::steady_clock::now();
    StartRandomSource();
    SetUpSimulation();
    const auto wallEnd = std::chrono::steady_clock::now();
    const double cpuEnd = ProcessCpuSeconds();
    const ChildReport report{cpuEnd - cpuBegin, std::chrono::duration<double>(wallEnd - wallBegin).count(),
                             BiasFrame[0][0] == 1028 && StarX[0] == 297 && StarY[0] == 383};
    const bool sent = write(writeEnd, &report, sizeof report) == static_cast<ssize_t>(sizeof report);
    _exit(sent ? 0 : 1);
}

// Returns false, with `error` set, when the child could not be run or failed.
bool TimeSetUpInChild(ChildReport& report, const char*& error)
{
    int ends[2];
    if (pipe(ends) != 0) {
        error = "pipe failed";
        return false;
    }
    const pid_t child = fork();
    if (child < 0) {
        close(ends[0]);
        close(ends[1]);
        error = "fork failed";
        return false;
    }
    if (child == 0) {
        close(ends[0]);
        RunChild(ends[1]);
    }
    close(ends[1]);
    const bool received = read(ends[0], &report, sizeof report) == static_cast<ssize_t>(sizeof report);
    close(ends[0]);
    int status = 0;
    const bool exited = waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!received || !exited) {
        error = "the set-up child did not report";
        return false;
    }
    if (!report.sane) {
        error = "the set-up child drew an unexpected sky";
        return false;
    }
    return true;
}

void BM_SetUpSimulation(benchmark::State& state)
{
    double wallSeconds = 0;
    for (auto _ : state) {
        ChildReport report{};
        const char* error = nullptr;
        if (!TimeSetUpInChild(report, error)) {
            state.SkipWithError(error);
            break;
        }
        state.SetIterationTime(report.cpuSeconds);
        wallSeconds += report.wallSeconds;
    }
    state.counters["wall_ms"] = benchmark::Counter(wallSeconds * 1e3, benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK(BM_SetUpSimulation)->UseManualTime()->Unit(benchmark::kMillisecond);
