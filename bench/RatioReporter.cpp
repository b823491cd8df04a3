#include "RatioReporter.h"

#include <algorithm>
#include <ostream>

namespace {

double SecondsPerIteration(const benchmark::BenchmarkReporter::Run& run)
{
    return run.real_accumulated_time / static_cast<double>(run.iterations);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
            continue;
        if (run.run_name.function_name == "BM_PressStart")
            startSeconds_.push_back(SecondsPerIteration(run));
        else if (run.run_name.function_name == "BM_ExposureFloor")
            floorSeconds_.push_back(SecondsPerIteration(run));
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    if (startSeconds_.empty() || floorSeconds_.empty())
        return;
    // Other work on the machine only ever adds time, so the fastest
    // repetitions are the fairest comparison; the medians show the spread.
    const double fastest = *std::min_element(startSeconds_.begin(), startSeconds_.end())
                           / *std::min_element(floorSeconds_.begin(), floorSeconds_.end());
    const double median = Median(startSeconds_) / Median(floorSeconds_);
    GetOutputStream() << "Start press / exposure floor: " << fastest << " (fastest repetitions), " << median
                      << " (median repetitions)\n";
}
