// The model work of one paint: both annual phases, the daily scan and the
// twelve current levels.
#include <benchmark/benchmark.h>

#include "level.h"

static void ModelOfOnePaint(benchmark::State& state) {
  const TDateTime now = ComposeDateTime(EncodeDate(2021, 7, 10), EncodeTime(9, 40, 0, 0));
  const TDateTime birth = ComposeDateTime(EncodeDate(1985, 7, 1), EncodeTime(8, 30, 0, 0));
  for (auto _ : state) {
    ModelFrame frame = ComputeModelFrame(now, birth);
    benchmark::DoNotOptimize(frame);
  }
}
BENCHMARK(ModelOfOnePaint)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
