// Standard input as the input window: coordinate lines in, output-window text out.
#include <vector>

#include "chain/catalogue.h"
#include "cli/cli_modes.h"
#include "workflow/worker_pool.h"

namespace {

constexpr std::size_t kBatchLines = 16384;
constexpr std::size_t kBatchBytes = 1 << 22;  // lines of up to kLongestLine must not pile up

// In the terminal's encoding; with a terminal, blue and red as ANSI colours.
void write(const ColouredText& text, const CliContext& context) {
  CliStreams& io = context.io;
  std::string out;
  for (const ColourRun& run : text.runs) {
    const bool coloured = io.colours && run.colour != TextColour::Black;
    if (coloured) out += run.colour == TextColour::Blue ? "\033[34m" : "\033[31m";
    appendTerminalText(out, std::string_view(text.text).substr(run.begin, run.length), context.encoding);
    if (coloured) out += "\033[0m";
  }
  io.out.write(out);
}

}  // namespace

int convertStandardInput(const CliOptions& options, const CliContext& context) {
  ConversionSetup setup;
  if (const int status = prepareRun(options, context, setup)) return status;

  CliStreams& io = context.io;
  InputWindowConverter first(setup, context.texts);
  ColouredText heading;
  heading.append(first.heading(), TextColour::Black);
  write(heading, context);
  // A run from MGRS references follows the zone of the last reference read,
  // so its lines go one after another on this thread; every other run
  // converts each batch in as many parts as the machine has threads.
  WorkerPool pool(context.startName == kMgrsName ? 1 : WorkerPool::hardwareLanes());
  std::vector<InputWindowConverter> converters(pool.lanes(), first);
  std::vector<ColouredText> parts(pool.lanes());
  std::vector<char> partNoResult(pool.lanes(), 0);
  TerminalInput reader(io.input, context.encoding);
  std::vector<std::string> batch(kBatchLines);
  while (!io.out.failed()) {
    // What was written goes out before a read waits: as a co-process (one
    // line in, its answer awaited) each answer, and the heading before all.
    // A batch takes the lines that are there, up to kBatchLines.
    if (reader.nextWouldWait()) io.out.flush();
    std::size_t count = 0, bytes = 0;
    while (count < batch.size() && bytes < kBatchBytes && (count == 0 || !reader.nextWouldWait()) &&
           reader.next(batch[count]))
      bytes += batch[count++].size();
    if (count == 0) break;
    pool.forEachRange(count, [&](std::size_t part, std::size_t begin, std::size_t end) {
      parts[part].clear();
      for (std::size_t i = begin; i < end; ++i)
        partNoResult[part] |= converters[part].convertLine(batch[i], parts[part], options.flags).noResult;
    });
    for (const ColouredText& part : parts) write(part, context);
    releaseLongLines(batch);
  }
  if (reader.failed()) {
    io.err.write("kortavex-cli: " + reader.error() + "\n");
    return kExitIoError;
  }
  for (const char part : partNoResult)
    if (part) return kExitNoResult;
  return 0;
}
