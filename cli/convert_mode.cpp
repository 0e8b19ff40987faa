// Standard input as the input window: coordinate lines in, output-window text out.
#include <unistd.h>

#include <cstdio>
#include <thread>
#include <vector>

#include "chain/catalogue.h"
#include "cli/cli_modes.h"

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

  InputWindowConverter converter(setup);
  Output out(isatty(STDOUT_FILENO) == 1, context.encoding);
  ColouredText text;
  text.append(converter.heading(), TextColour::Black);
  out.write(text);
  TerminalInput reader(context.encoding);
  // A run from MGRS references follows the zone of the last reference read,
  // so its lines go one after another; every other run converts each batch
  // in two halves at once.
  const bool parallel = context.startName != kMgrsName;
  std::vector<std::string> batch(kBatchLines);
  bool noResult = false;
  for (;;) {
    std::size_t count = 0;
    while (count < batch.size() && reader.next(batch[count])) ++count;
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
    out.write(text);
    out.write(secondHalf);
  }
  out.flush();
  if (reader.failed()) {
    std::fprintf(stderr, "kortavex-cli: %s\n", reader.error().c_str());
    return kExitIoError;
  }
  if (std::ferror(stdout)) return kExitIoError;
  return noResult ? kExitNoResult : 0;
}
