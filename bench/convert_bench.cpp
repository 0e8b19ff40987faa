// One point through the conversion chain, for the pairs users convert most.
#include <benchmark/benchmark.h>

#include "chain/convert.h"
#include "workflow/input_window_conversion.h"

namespace {

const chain::UserSystem kDefaultUser = chain::userSystemOf(UserParameterSet());

void convertPair(benchmark::State& state, const char* from, const char* to, double y, double x) {
  point p(y, x, 300, 0);
  for (auto _ : state) {
    p.y += 1e-9;  // a new point every time, so nothing is folded away
    benchmark::DoNotOptimize(chain::convertPoint(p, from, to, kDefaultUser));
  }
}

BENCHMARK_CAPTURE(convertPair, GkAutM34ToWgs84, "A3400", "00000", -50000.0, 300000.0);
BENCHMARK_CAPTURE(convertPair, Wgs84ToMgrs, "00000", "U9910", 16.37, 48.2);
BENCHMARK_CAPTURE(convertPair, Lv95ToWgs84, "X0100", "00000", 2600000.0, 1200000.0);
BENCHMARK_CAPTURE(convertPair, KrovakToGkAutM34, "T0100", "A3400", 568990.995, 1050538.631);

// A whole input-window line: split, read, convert and format.
void inputWindowLine(benchmark::State& state) {
  ConversionSetup setup;
  setup.startName = "GK-AUT_M34";
  setup.targetName = "WGS84";
  setup.startCode = "A3400";
  setup.targetCode = "00000";
  setup.transformationName = "Helmert";
  InputWindowConverter converter(setup);
  ColouredText out;
  for (auto _ : state) {
    out.clear();
    converter.convertLine("-50000.123 5300000.456", out);
    benchmark::DoNotOptimize(out.text.data());
  }
}
BENCHMARK(inputWindowLine);

}  // namespace
