// One point through the conversion chain, set up once as a run sets it up,
// for the pairs users convert most.
#include <benchmark/benchmark.h>

#include "chain/convert.h"
#include "chain/system_select.h"
#include "lang/main_texts.h"
#include "workflow/input_window_conversion.h"

using namespace kortavex;

namespace {

void convertPair(benchmark::State& state, const char* from, const char* to, double y, double x) {
  const SystemSelection s = selectSystems(from, to, Transformation::Helmert, 0);
  const chain::Conversion conversion(s.systems.startCode, s.systems.targetCode, chain::UserSystem{});
  point p(y, x, 300, 0);
  for (auto _ : state) {
    p.y += 1e-9;  // a new point every time, so nothing is folded away
    benchmark::DoNotOptimize(conversion.convert(p));
  }
}

BENCHMARK_CAPTURE(convertPair, GkAutM34ToWgs84, "GK-AUT_M34", "WGS84", -50000.0, 300000.0);
BENCHMARK_CAPTURE(convertPair, Wgs84ToMgrs, "WGS84", "MGRS(UTMREF)", 16.37, 48.2);
BENCHMARK_CAPTURE(convertPair, Lv95ToWgs84, "CH1903+/LV95", "WGS84", 2600000.0, 1200000.0);
BENCHMARK_CAPTURE(convertPair, KrovakToGkAutM34, "Krovak", "GK-AUT_M34", 568990.995, 1050538.631);

// A whole input-window line: split, read, convert and format.
void inputWindowLine(benchmark::State& state) {
  ConversionRequest request;
  request.systems.startName = "GK-AUT_M34";
  request.systems.targetName = "WGS84";
  ConversionSetup setup;
  prepareConversion(request, setup);
  MainTexts texts;
  langset(texts, "English");
  InputWindowConverter converter(setup, texts);
  ColouredText out;
  for (auto _ : state) {
    out.clear();
    converter.convertLine("-50000.123 5300000.456", out);
    benchmark::DoNotOptimize(out.text.data());
  }
}
BENCHMARK(inputWindowLine);

}  // namespace
