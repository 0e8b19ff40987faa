// Cost per point of the BeTA2007 grid shift, which opens and checks the grid
// file for every point (four times for the reverse shift).

#include <benchmark/benchmark.h>

#include "engine/ntv2_grid.h"
#include "engine/point.h"

using namespace kortavex;

namespace {

// Positions spread over Germany, so that the nodes read change from point to point.
point germanPosition(int n) {
  return point(6.2 + 0.37 * (n % 23), 47.6 + 0.29 * (n % 24), 0.0, 0);
}

bool requireGrid(benchmark::State& state) {
  if (Beta2007File() == 0) return true;
  state.SkipWithError("BETA2007.gsb not found (install Debian's proj-data)");
  return false;
}

void BM_Beta2007Forward(benchmark::State& state) {
  if (!requireGrid(state)) return;
  int n = 0;
  for (auto _ : state) {
    point result;
    benchmark::DoNotOptimize(result.Beta2007(germanPosition(n++)));
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_Beta2007Forward);

void BM_Beta2007Reverse(benchmark::State& state) {
  if (!requireGrid(state)) return;
  int n = 0;
  for (auto _ : state) {
    point result;
    benchmark::DoNotOptimize(result.Beta2007ret(germanPosition(n++)));
    benchmark::DoNotOptimize(result);
  }
}
BENCHMARK(BM_Beta2007Reverse);

// The check that every conversion start makes.
void BM_Beta2007FileCheck(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Beta2007File());
}
BENCHMARK(BM_Beta2007FileCheck);

}  // namespace
