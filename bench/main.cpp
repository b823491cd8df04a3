// starloom_bench: times set-up, the two presses and the stretch, against the
// floor of an exposure. Takes every Google Benchmark option; for a file of
// results use --benchmark_out=FILE --benchmark_out_format=json.

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
