#pragma once
// Passes every result to the report that the command line asked for
// (--benchmark_format), then says how the Start press compares with the
// floor of an exposure (its logarithms, square roots and sines alone).

#include <benchmark/benchmark.h>

#include <vector>

class RatioReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    // Owned by the library, which hands out the same one to every caller.
    benchmark::BenchmarkReporter* display_ = benchmark::CreateDefaultDisplayReporter();
    std::vector<double> startSeconds_;  // CPU time per iteration, one entry per repetition
    std::vector<double> floorSeconds_;
};
