// Speed of the engine and of reading an input file; run by hand:
//   build/bench/tarvelo_bench
#include <benchmark/benchmark.h>

#include "analysis/runanalysis.h"
#include "input/inputfile.h"

using namespace tarvelo;

namespace {

InputSet CompleteSet() {
    InputSet set;
    set.beforeFront = {"16", "6.5", kOffsetPlus, "45", "205", "55"};
    set.beforeRear = {"16", "7", kOffsetMinus, "12", "225", "50"};
    set.afterFront = {"17", "7", kOffsetPlus, "48", "215", "45"};
    set.afterRear = {"18", "8", kOffsetZero, "0", "235", "40"};
    set.clearanceMm = {"10", "12.5", "20", "007"};
    return set;
}

void BM_RunAnalysis(benchmark::State& state) {
    const InputSet set = CompleteSet();
    for (auto _ : state) benchmark::DoNotOptimize(RunAnalysis(set));
}
BENCHMARK(BM_RunAnalysis);

void BM_ReadInputFileIntoSet(benchmark::State& state) {
    const QByteArray bytes = InputFileBytes(CompleteSet());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ApplyInputFile(ParseInputFile(bytes), InputSet{}));
    }
}
BENCHMARK(BM_ReadInputFileIntoSet);

}  // namespace

BENCHMARK_MAIN();
