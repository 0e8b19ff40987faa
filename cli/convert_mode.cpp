// Standard input as the input window: coordinate lines in, output-window text out.
#include <thread>
#include <vector>

#include "chain/catalogue.h"
#include "cli/cli_modes.h"
#include "settings/text_file.h"

namespace {

constexpr std::size_t kBatchLines = 16384;
constexpr std::size_t kBatchBytes = 1 << 22;  // lines of up to kLongestLine must not pile up

// With a terminal, blue and red as ANSI colours.
void write(const ColouredText& text, const CliStreams& io) {
  for (const ColourRun& run : text.runs) {
    const bool coloured = io.colours && run.colour != TextColour::Black;
    if (coloured) io.out.write(run.colour == TextColour::Blue ? "\033[34m" : "\033[31m");
    io.out.write(std::string_view(text.text).substr(run.begin, run.length));
    if (coloured) io.out.write("\033[0m");
  }
}

}  // namespace

int convertStandardInput(const CliOptions& options, const CliContext& context) {
  ConversionSetup setup;
  if (const int status = prepareRun(options, context, setup)) return status;

  CliStreams& io = context.io;
  InputWindowConverter converter(setup);
  ColouredText text;
  text.append(converter.heading(), TextColour::Black);
  write(text, io);
  LineReader reader(io.input);
  // A run from MGRS references follows the zone of the last reference read,
  // so its lines go one after another; every other run converts each batch
  // in two halves at once.
  const bool parallel = options.from != kMgrsName;
  std::vector<std::string> batch(kBatchLines);
  bool noResult = false;
  while (!io.out.failed()) {
    std::size_t count = 0, bytes = 0;
    while (count < batch.size() && bytes < kBatchBytes && reader.next(batch[count]))
      bytes += batch[count++].size();
    if (count == 0) break;
    const std::size_t half = parallel ? count / 2 : 0;
    ColouredText secondHalf;
    bool secondNoResult = false;
    std::thread worker([&] {
      InputWindowConverter own(converter);
      for (std::size_t i = half; i < count; ++i)
        secondNoResult |= own.convertLine(batch[i], secondHalf, options.flags).noResult;
      if (!parallel) converter = own;  // carries the MGRS zone to the next batch
    });
    text.clear();
    for (std::size_t i = 0; i < half; ++i)
      noResult |= converter.convertLine(batch[i], text, options.flags).noResult;
    worker.join();
    noResult |= secondNoResult;
    write(text, io);
    write(secondHalf, io);
    releaseLongLines(batch);
  }
  if (reader.failed()) {
    io.err.write("kortavex-cli: " + reader.error() + "\n");
    return kExitIoError;
  }
  return noResult ? kExitNoResult : 0;
}
