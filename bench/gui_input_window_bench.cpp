// Converting the input window of the real main window, 1 000 and 10 000
// lines: conversion, appending the results with their colours and marking
// the input lines. Run under an X display: xvfb-run -a build/bench/kortavex_gui_bench
#include <stdlib.h>
#include <unistd.h>

#include <clocale>
#include <string>

#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/init.h>

#include "tests/gui/main_window_access.h"

using namespace kortavex;

namespace {

class BenchApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

// Lines alternate between a point in its frame and one outside the start
// frame, so that every input line and every result line changes colour: the
// most style runs a run can have.
wxString inputLines(int count) {
  wxString text;
  for (int i = 0; i < count; ++i) text << (i % 2 ? "3700000 5500000\n" : "3520000 5540000\n");
  return text;
}

void BM_ConvertInputWindow(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  // An empty working directory: no options file, the defaults.
  char pattern[] = "/tmp/kortavex-bench-XXXXXX";
  const char* directory = mkdtemp(pattern);
  if (!directory || chdir(directory) != 0) {
    state.SkipWithError("no working directory");
    return;
  }
  auto* frame = new kortaFrm(nullptr);
  frame->Show();
  const MainWindowAccess w(frame);
  w.startList()->SetStringSelection("GK3_DHDN");
  w.targetList()->SetStringSelection("GK4_DHDN");
  const wxString input = inputLines(lines);

  for (auto _ : state) {
    state.PauseTiming();
    w.input()->SetValue(input);
    w.output()->Clear();
    state.ResumeTiming();
    wxCommandEvent click(wxEVT_BUTTON, w.convertButton()->GetId());
    w.convertButton()->GetEventHandler()->ProcessEvent(click);
  }
  state.SetItemsProcessed(state.iterations() * lines);
  state.counters["output_chars"] = static_cast<double>(w.output()->GetLastPosition());

  frame->Destroy();
  wxTheApp->ProcessPendingEvents();
  rmdir(directory);
}
BENCHMARK(BM_ConvertInputWindow)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  wxApp::SetInstance(new BenchApp);
  if (!wxEntryStart(argc, argv)) return 1;
  std::setlocale(LC_ALL, "");
  wxTheApp->CallOnInit();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return 0;
}
