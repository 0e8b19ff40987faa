// kortavex-cli in-process: any command line, with any standard input, and
// the same bytes as the file "in.txt" for the file mode.
//
// Input: the arguments, one per line, up to the first empty line; then the
// standard input. A "/" in an argument becomes "_", so that every file the
// run reads or writes lies in the scratch directory.

#include <sys/mman.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_modes.h"
#include "fuzz/fuzz_support.h"

namespace {

// A descriptor of an in-memory file holding `bytes`, read from its start.
int memoryFile(std::string_view bytes) {
  const int fd = ::memfd_create("kortavex-cli-fuzz", MFD_CLOEXEC);
  FUZZ_CHECK(fd >= 0);
  FUZZ_CHECK(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
  FUZZ_CHECK(::lseek(fd, 0, SEEK_SET) == 0);
  return fd;
}

std::string contentOf(int fd) {
  std::string bytes;
  char buffer[4096];
  FUZZ_CHECK(::lseek(fd, 0, SEEK_SET) == 0);
  for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, got);
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool inScratch = [] {
    std::filesystem::current_path(scratchDirectory());
    return true;
  }();
  (void)inScratch;

  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = bytes.find("\n\n");
  const std::string_view argText = bytes.substr(0, split);
  const std::string_view input = split == std::string_view::npos ? "" : bytes.substr(split + 2);
  std::vector<std::string> args;
  for (std::size_t begin = 0; begin <= argText.size() && !argText.empty();) {
    const std::size_t end = std::min(argText.find('\n', begin), argText.size());
    std::string arg(argText.substr(begin, end - begin));
    for (char& c : arg) c = c == '/' ? '_' : c;
    args.push_back(arg);
    begin = end + 1;
  }
  for (const auto& entry : std::filesystem::directory_iterator(scratchDirectory()))
    std::filesystem::remove_all(entry.path());
  writeFile("in.txt", input);

  const int in = memoryFile(input), outFd = memoryFile(""), errFd = memoryFile("");
  int status;
  {
    OutputStream out(outFd), err(errFd);
    CliStreams streams{in, out, err, (size & 1) != 0};
    status = runCli(args, streams);
  }
  const std::string out = contentOf(outFd), err = contentOf(errFd);
  ::close(in);
  ::close(outFd);
  ::close(errFd);

  FUZZ_CHECK(status >= 0 && status <= 3);
  // refused arguments and pairs say why, and print no result
  if (status == 2) FUZZ_CHECK(out.empty() && !err.empty());
  if (status == 2 || status == 1) return 0;

  const ParsedCommandLine parsed = parseCommandLine(args);
  FUZZ_CHECK(parsed.error.empty());
  const CliOptions& options = parsed.options;
  const std::vector<std::string_view> lines = allLines(input);
  if (options.mode == CliOptions::Mode::Help) FUZZ_CHECK(out == kUsage);
  if (options.mode == CliOptions::Mode::Check) {
    // the numbers of marked lines, rising, each a line of the input
    unsigned long long last = 0;
    for (std::string_view line : allLines(out)) {
      const std::size_t blank = line.find(' ');
      FUZZ_CHECK(blank != std::string_view::npos);
      const unsigned long long number = std::stoull(std::string(line.substr(0, blank)));
      FUZZ_CHECK(number > last && number <= lines.size());
      FUZZ_CHECK(line.substr(blank) == " blue" || line.substr(blank) == " red");
      last = number;
    }
  }
  if (options.mode == CliOptions::Mode::Convert) {
    // the batches converted in halves at once give what the window gives
    // for the lines one after another
    MainTexts texts;
    langset(texts, "English");
    ConversionRequest request;
    request.systems.startName = options.from;
    request.systems.targetName = options.to;
    request.transformation = options.transformation;
    request.referenceHeight = options.height.value_or(Settings().referenceHeight);
    request.dms = options.dms;
    ConversionSetup setup;
    FUZZ_CHECK(prepareConversion(request, setup) == SelectionError::None);
    InputWindowConverter converter(setup, texts);
    ColouredText expected;
    expected.append(converter.heading(), TextColour::Black);
    bool noResult = false;
    for (std::string_view line : lines) noResult |= converter.convertLine(line, expected, options.flags).noResult;
    if (!(size & 1)) FUZZ_CHECK(out == expected.text);
    FUZZ_CHECK(status == (noResult ? 3 : 0));
  }
  return 0;
}
