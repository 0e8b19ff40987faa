// Standard input as the input window: coordinate lines in, output-window text out.
#include <cstdint>
#include <vector>

#include "chain/catalogue.h"
#include "cli/cli_modes.h"
#include "workflow/file_conversion.h"
#include "workflow/worker_pool.h"

namespace kortavex {

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
  // a file is refused before anything is written, as a FILE is
  if (descriptorStartsUtf16(io.input)) return utf16Refused("standard input", context);
  InputWindowConverter first(setup, context.texts);
  // a co-process pairs each line it writes with the answer it reads
  if (!options.noHeading && !options.eachLine) {
    ColouredText heading;
    heading.append(first.heading(), TextColour::Black);
    write(heading, context);
  }
  // A run from MGRS references follows the zone of the last reference read,
  // so its lines go one after another on this thread; every other run
  // converts each batch in as many parts as the machine has threads.
  WorkerPool pool(setup.systems.startCode.isMgrs() ? 1 : WorkerPool::hardwareLanes());
  std::vector<InputWindowConverter> converters(pool.lanes(), first);
  std::vector<ColouredText> parts(pool.lanes());
  std::vector<LineCounts> partCounts(pool.lanes());
  LineCounts counts;
  TerminalInput reader(io.input, context.encoding);
  std::vector<std::string> batch(kBatchLines);
  for (std::uint64_t firstLineNumber = 1; !io.out.failed();) {
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
      partCounts[part] = {};
      for (std::size_t i = begin; i < end; ++i) {
        const InputWindowConverter::Converted converted =
            converters[part].convertLine(batch[i], parts[part], options.flags);
        // one line for every line: an empty one where nothing else is written
        if (options.eachLine && converted.line.outcome == LineOutcome::Text)
          parts[part].append("\n", TextColour::Black);
        partCounts[part].add(converted.line, firstLineNumber + i);
      }
    });
    for (std::size_t part = 0; part < pool.lanes(); ++part) {
      write(parts[part], context);
      counts += partCounts[part];
    }
    firstLineNumber += count;
    releaseLongLines(batch);
  }
  if (reader.utf16()) return utf16Refused("standard input", context);
  if (reader.failed()) {
    io.err.write("kortavex-cli: " + reader.error() + "\n");
    return kExitIoError;
  }
  return noteLines(counts, "standard input", std::nullopt, options, context);
}

}  // namespace kortavex
