// kortavex-cli: the converter for scripts and batch work. It writes exactly
// what the program's output window would receive.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "chain/catalogue.h"
#include "chain/system_lists.h"
#include "cli/cli_options.h"
#include "lang/main_texts.h"
#include "settings/text_file.h"
#include "workflow/input_window_conversion.h"
#include "workflow/selection_messages.h"

namespace {

constexpr int kAllRegions = 0x3FF;
constexpr int kExitUsage = 2;
constexpr std::size_t kBatchLines = 16384;

// Output through a large buffer; with a terminal, blue and red as ANSI colours.
class Output {
 public:
  explicit Output(bool colours) : colours_(colours) {}
  ~Output() { flush(); }

  void write(const ColouredText& text) {
    for (const ColourRun& run : text.runs) {
      const bool coloured = colours_ && run.colour != TextColour::Black;
      if (coloured) buffer_ += run.colour == TextColour::Blue ? "\033[34m" : "\033[31m";
      buffer_.append(text.text, run.begin, run.length);
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
  std::string buffer_;
};

bool contains(const std::vector<std::string>& list, const std::string& name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

int printLists() {
  std::printf("Start systems:\n");
  for (const std::string& entry : startSystemList(kAllRegions)) std::printf("  %s\n", entry.c_str());
  std::printf("Target systems:\n");
  for (const std::string& entry : targetSystemList(kAllRegions)) std::printf("  %s\n", entry.c_str());
  return 0;
}

int usageError(const std::string& error) {
  std::fprintf(stderr, "kortavex-cli: %s\n%s", error.c_str(), kUsage);
  return kExitUsage;
}

int convertStandardInput(const CliOptions& options) {
  if (!contains(startSystemList(kAllRegions), options.from))
    return usageError("not an entry of the start list: " + options.from);
  if (!contains(targetSystemList(kAllRegions), options.to))
    return usageError("not an entry of the target list: " + options.to);

  MainTexts texts;
  langset(texts, "English");
  ConversionRequest request;
  request.startName = options.from;
  request.targetName = options.to;
  request.transformation = options.transformation;
  if (options.height) request.referenceHeight = *options.height;
  request.dms = options.dms;
  ConversionSetup setup;
  const SelectionError refused = prepareConversion(request, texts, setup);
  if (refused != SelectionError::None) {
    std::fprintf(stderr, "%s\n", selectionMessage(texts, refused).c_str());
    return kExitUsage;
  }

  InputWindowConverter converter(setup);
  Output out(isatty(STDOUT_FILENO) == 1);
  ColouredText text;
  text.append(converter.heading(), TextColour::Black);
  out.write(text);
  LineReader reader(STDIN_FILENO);
  // A run from MGRS references follows the zone of the last reference read,
  // so its lines go one after another; every other run converts each batch
  // in two halves at once.
  const bool parallel = options.from != kMgrsName;
  std::vector<std::string> batch(kBatchLines);
  for (;;) {
    std::size_t count = 0;
    while (count < batch.size() && reader.next(batch[count])) ++count;
    if (count == 0) break;
    const std::size_t half = parallel ? count / 2 : 0;
    ColouredText secondHalf;
    std::thread worker([&] {
      InputWindowConverter own(converter);
      for (std::size_t i = half; i < count; ++i) own.convertLine(batch[i], secondHalf, options.flags);
      if (!parallel) converter = own;  // carries the MGRS zone to the next batch
    });
    text.clear();
    for (std::size_t i = 0; i < half; ++i) converter.convertLine(batch[i], text, options.flags);
    worker.join();
    out.write(text);
    out.write(secondHalf);
  }
  out.flush();
  if (reader.failed()) {
    std::fprintf(stderr, "kortavex-cli: %s\n", reader.error().c_str());
    return 1;
  }
  return std::ferror(stdout) ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  const ParsedCommandLine parsed = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!parsed.error.empty()) return usageError(parsed.error);
  switch (parsed.options.mode) {
    case CliOptions::Mode::Help:
      std::fputs(kUsage, stdout);
      return 0;
    case CliOptions::Mode::List:
      return printLists();
    case CliOptions::Mode::Convert:
      break;
  }
  return convertStandardInput(parsed.options);
}
