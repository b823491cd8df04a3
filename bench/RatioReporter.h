#pragma once
// The console report, followed by how the Start press compares with the floor
// of an exposure (its logarithms, square roots and sines alone).

#include <benchmark/benchmark.h>

#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::vector<double> startSeconds_;  // per iteration, one entry per repetition
    std::vector<double> floorSeconds_;
};
