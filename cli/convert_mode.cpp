// Standard input as the input window: coordinate lines in, output-window text out.
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "chain/catalogue.h"
#include "cli/cli_modes.h"
#include "workflow/worker_pool.h"

namespace {

constexpr std::size_t kBatchLines = 16384;

// Output through a large buffer in the terminal's encoding; with a terminal,
// blue and red as ANSI colours.
class Output {
 public:
  Output(bool colours, TerminalEncoding encoding) : colours_(colours), encoding_(encoding) {}
  ~Output() { flush(); }

  void write(const ColouredText& text) {
    for (const ColourRun& run : text.runs) {
      const bool coloured = colours_ && run.colour != TextColour::Black;
      if (coloured) buffer_ += run.colour == TextColour::Blue ? "\033[34m" : "\033[31m";
      appendTerminalText(buffer_, std::string_view(text.text).substr(run.begin, run.length), encoding_);
      if (coloured) buffer_ += "\033[0m";
    }
    if (buffer_.size() > (1 << 16)) flush();
  }

  void flush() {
    if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), stdout);
    buffer_.clear();
    std::fflush(stdout);
  }

 private:
  bool colours_;
  TerminalEncoding encoding_;
  std::string buffer_;
};

}  // namespace

int convertStandardInput(const CliOptions& options, const CliContext& context) {
  ConversionSetup setup;
  if (const int status = prepareRun(options, context, setup)) return status;

  Output out(isatty(STDOUT_FILENO) == 1, context.encoding);
  InputWindowConverter first(setup);
  ColouredText heading;
  heading.append(first.heading(), TextColour::Black);
  out.write(heading);
  // A run from MGRS references follows the zone of the last reference read,
  // so its lines go one after another on this thread; every other run
  // converts each batch in as many parts as the machine has threads.
  WorkerPool pool(context.startName == kMgrsName ? 1 : WorkerPool::hardwareLanes());
  std::vector<InputWindowConverter> converters(pool.lanes(), first);
  std::vector<ColouredText> parts(pool.lanes());
  std::vector<char> partNoResult(pool.lanes(), 0);
  TerminalInput reader(context.encoding);
  std::vector<std::string> batch(kBatchLines);
  bool noResult = false;
  for (;;) {
    // What was written goes out before a read waits: as a co-process (one
    // line in, its answer awaited) each answer, and the heading before all.
    // A batch takes the lines that are there, up to kBatchLines.
    if (reader.nextWouldWait()) out.flush();
    std::size_t count = 0;
    while (count < batch.size() && (count == 0 || !reader.nextWouldWait()) &&
           reader.next(batch[count]))
      ++count;
    if (count == 0) break;
    pool.forEachRange(count, [&](std::size_t part, std::size_t begin, std::size_t end) {
      parts[part].clear();
      for (std::size_t i = begin; i < end; ++i)
        partNoResult[part] |= converters[part].convertLine(batch[i], parts[part], options.flags).noResult;
    });
    for (const ColouredText& part : parts) out.write(part);
  }
  out.flush();
  for (const char part : partNoResult) noResult |= part != 0;
  if (reader.failed()) {
    std::fprintf(stderr, "kortavex-cli: %s\n", reader.error().c_str());
    return kExitIoError;
  }
  if (std::ferror(stdout)) return kExitIoError;
  return noResult ? kExitNoResult : 0;
}
