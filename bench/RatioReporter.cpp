#include "RatioReporter.h"

#include <algorithm>
#include <ostream>

namespace {

// CPU time, not wall time: both measurements are single-threaded, and on a
// shared machine the wall clock also counts the time other processes held
// the core.
double CpuSecondsPerIteration(const benchmark::BenchmarkReporter::Run& run)
{
    return run.cpu_accumulated_time / static_cast<double>(run.iterations);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

bool RatioReporter::ReportContext(const Context& context)
{
    return display_->ReportContext(context);
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    display_->ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
            continue;
        if (run.run_name.function_name == "BM_PressStart")
            startSeconds_.push_back(CpuSecondsPerIteration(run));
        else if (run.run_name.function_name == "BM_ExposureFloor")
            floorSeconds_.push_back(CpuSecondsPerIteration(run));
    }
}

void RatioReporter::Finalize()
{
    display_->Finalize();
    if (startSeconds_.empty() || floorSeconds_.empty())
        return;
    // Other work on the machine only ever adds time (cache and memory
    // traffic, clock changes), so the fastest repetitions are the fairest
    // comparison; the medians show the spread.
    const double fastest = *std::min_element(startSeconds_.begin(), startSeconds_.end())
                           / *std::min_element(floorSeconds_.begin(), floorSeconds_.end());
    const double median = Median(startSeconds_) / Median(floorSeconds_);
    // Below a console report, or on standard error where the report is JSON
    // or CSV and must stay parseable.
    const bool console = dynamic_cast<benchmark::ConsoleReporter*>(display_) != nullptr;
    std::ostream& out = console ? display_->GetOutputStream() : display_->GetErrorStream();
    out << "Start press / exposure floor, CPU time: " << fastest << " (fastest repetitions), " << median
        << " (median repetitions)\n";
}
