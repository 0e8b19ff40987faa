// kortavex-cli in-process: any command line, with any standard input, and
// the same bytes as the file "in.txt" for the file mode. A column stream on
// standard input gives what the copy of in.txt holds.
//
// Input: the arguments, one per line, up to the first empty line; then the
// standard input. A "/" in an argument becomes "_", so that every file the
// run reads or writes lies in the scratch directory.

#include <sys/mman.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "chain/system_lists.h"
#include "cli/cli_modes.h"
#include "cli/system_names.h"
#include "lang/cp1252.h"
#include "fuzz/fuzz_support.h"

using namespace kortavex;

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

// runCli with `input` on standard input; its exit status.
int run(const std::vector<std::string>& args, std::string_view input, bool colours, std::string& out,
        std::string& err) {
  const int in = memoryFile(input), outFd = memoryFile(""), errFd = memoryFile("");
  int status;
  {
    OutputStream outStream(outFd), errStream(errFd, OutputStream::Content::Messages);
    CliStreams streams{in, outStream, errStream, colours};
    status = runCli(args, streams);
  }
  out = contentOf(outFd);
  err = contentOf(errFd);
  ::close(in);
  ::close(outFd);
  ::close(errFd);
  return status;
}

// The list entry a name of the command line stands for, as kortavex-cli reads it.
std::string entryNamed(const std::string& given, const std::vector<std::string>& list, TerminalEncoding encoding) {
  std::string cp1252 = given;
  lineFromTerminal(cp1252, encoding);
  return listEntryNamed(cp1252, list, "").name;
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

  std::string out, err;
  const int status = run(args, input, (size & 1) != 0, out, err);

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
    // the numbers of marked lines, rising within each input, each a line of
    // it (every input readable here holds the same bytes); "FILE:" before
    // them where several files are checked, in the order given
    const std::vector<std::string>& files = options.files;
    std::size_t file = 0;
    unsigned long long last = 0;
    for (std::string_view line : allLines(out)) {
      if (files.size() > 1) {
        while (file < files.size() && line.substr(0, files[file].size() + 1) != files[file] + ":") ++file, last = 0;
        FUZZ_CHECK(file < files.size());
        line.remove_prefix(files[file].size() + 1);
      }
      const std::size_t blank = line.find(' ');
      FUZZ_CHECK(blank != std::string_view::npos && blank > 0);
      const unsigned long long number = std::stoull(std::string(line.substr(0, blank)));
      FUZZ_CHECK(number > last && number <= lines.size());
      FUZZ_CHECK(line.substr(blank) == " blue" || line.substr(blank) == " red");
      last = number;
    }
  }
  if (options.mode == CliOptions::Mode::Columns) {
    // standard output holds what the copy of the same bytes holds
    std::vector<std::string> copyArgs = {"--output=copy.txt", "in.txt"};
    copyArgs.insert(copyArgs.end(), args.begin(), args.end());
    std::string report;
    FUZZ_CHECK(run(copyArgs, "", false, report, err) == status);
    FUZZ_CHECK(readFile("copy.txt") == out);
  }
  if (options.mode == CliOptions::Mode::Convert) {
    // the batches converted in halves at once give what the window gives
    // for the lines one after another
    const TerminalEncoding encoding = options.encoding.value_or(localeTerminalEncoding());
    MainTexts texts;
    langset(texts, options.language.value_or("English"));
    ConversionRequest request;
    request.systems.startName = entryNamed(options.from, startSystemList(REGION_ALL), encoding);
    request.systems.targetName = entryNamed(options.to, targetSystemList(REGION_ALL), encoding);
    request.transformation = options.transformation;
    request.referenceHeight = options.height.value_or(Settings().referenceHeight);
    request.dms = options.dms;
    ConversionSetup setup;
    FUZZ_CHECK(prepareConversion(request, setup) == SelectionError::None);
    InputWindowConverter converter(setup, texts);
    ColouredText expected;
    if (!options.noHeading && !options.eachLine) expected.append(converter.heading(), TextColour::Black);
    bool noResult = false, outsideFrame = false;
    // each line as kortavex-cli reads standard input: a byte-order mark
    // before the first one skipped, in the terminal's encoding
    for (std::size_t i = 0; i < lines.size(); ++i) {
      std::string line(lines[i]);
      if (i == 0 && line.rfind(kUtf8ByteOrderMark, 0) == 0) line.erase(0, kUtf8ByteOrderMark.size());
      lineFromTerminal(line, encoding);
      const InputWindowConverter::Converted converted = converter.convertLine(line, expected, options.flags);
      // one line out for every line in
      if (options.eachLine && converted.line.outcome == LineOutcome::Text) expected.append("\n", TextColour::Black);
      noResult |= converted.line.outcome == LineOutcome::NoResult || converted.line.outcome == LineOutcome::NotRead;
      outsideFrame |= converted.line.outcome == LineOutcome::Converted &&
                      (converted.line.flags & (FLAG_START_FRAME | FLAG_TARGET_FRAME | FLAG_MGRS_BAND)) != 0;
    }
    if (!(size & 1)) FUZZ_CHECK(out == terminalText(expected.text, encoding));
    FUZZ_CHECK(status == (noResult || (options.strict && outsideFrame) ? 3 : 0));
  }
  return 0;
}
