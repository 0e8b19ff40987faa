// The coordinate-frame check of standard input or of files: the lines it colours.
#include "cli/cli_modes.h"
#include "settings/text_file.h"
#include "workflow/file_text_encoding.h"
#include "workflow/frame_check.h"
#include "workflow/import_export.h"

namespace kortavex {

namespace {

// What the lines of one input came to.
struct CheckOutcome {
  bool red = false, blue = false;
};

// Writes "N blue" or "N red" for each marked line of `input`, with "FILE:"
// before it when several are checked. With `layout`, each line is a
// column-file line whose two columns are checked, as the window checks them
// after an import.
CheckOutcome checkInput(TerminalInput& input, const std::string& prefix, const FrameCheck& check,
                        const std::optional<ColumnLayout>& layout, OutputStream& out) {
  CheckOutcome outcome;
  std::string line, imported;
  for (unsigned long long number = 1; !out.failed() && input.next(line); ++number) {
    if (layout) importLine(line, *layout, imported);
    const LineMark mark = check.check(layout ? imported : line);
    if (mark == LineMark::Unmarked) continue;
    outcome.red |= mark == LineMark::Red;
    outcome.blue |= mark == LineMark::Blue;
    out.write(prefix + std::to_string(number) + (mark == LineMark::Blue ? " blue\n" : " red\n"));
  }
  return outcome;
}

}  // namespace

int checkLines(const CliOptions& options, const CliContext& context) {
  CliStreams& io = context.io;
  if (!frameCheckAllowed(context.startName)) {
    printWindowMessage(context, context.texts.msgNoValidSystem);
    return kExitUsage;
  }
  const FrameCheck check(context.startName);
  std::optional<ColumnLayout> layout;
  if (options.delimiter || options.eastingColumn) {
    layout = columnLayout(options, context);
    if (!layout) return kExitUsage;
  }
  const std::vector<std::string> files = options.files.empty() ? std::vector<std::string>{"-"} : options.files;

  bool failed = false;
  CheckOutcome marked;
  for (const std::string& file : files) {
    // standard input speaks the terminal's encoding, a file its own
    TerminalInput input = isStandardStream(file)
                              ? TerminalInput(io.input, context.encoding)
                              : TerminalInput(file, fileTextEncoding(file).utf8 ? TerminalEncoding::Utf8
                                                                                 : TerminalEncoding::Cp1252);
    const CheckOutcome outcome =
        checkInput(input, files.size() > 1 ? terminalFileText(file, context.encoding) + ":" : "", check, layout, io.out);
    marked.red |= outcome.red;
    marked.blue |= outcome.blue;
    if (!input.isOpen() || input.failed()) {
      io.err.write("kortavex-cli: " + terminalFileText(input.error(), context.encoding) + "\n");
      failed = true;
    }
  }
  if (failed) return kExitIoError;
  // a faulty MGRS reference would get no result
  return marked.red || (options.strict && marked.blue) ? kExitNoResult : 0;
}

}  // namespace kortavex
