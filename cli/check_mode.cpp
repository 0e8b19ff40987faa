// The coordinate-frame check of standard input or of files: the lines it colours.
#include "cli/cli_modes.h"
#include "files/text_file.h"
#include "workflow/file_text_encoding.h"
#include "workflow/frame_check.h"
#include "workflow/import_export.h"

namespace kortavex {

namespace {

// What the lines of one input came to.
struct CheckOutcome {
  bool red = false, blue = false;
  LineCounts lines;  // of these, the lines not read
};

// Writes "N blue" or "N red" for each marked line of `input`, with "FILE:"
// before it when several are checked; a line not read is red. With
// `layout`, each line is a column-file line whose two columns are checked,
// as the window checks them after an import.
CheckOutcome checkInput(TerminalInput& input, const std::string& prefix, const FrameCheck& check,
                        const std::optional<ColumnLayout>& layout, OutputStream& out) {
  CheckOutcome outcome;
  std::string line, imported;
  for (unsigned long long number = 1; !out.failed() && input.next(line); ++number) {
    if (layout) importLine(line, *layout, imported);
    const FrameCheck::Checked checked = check.check(layout ? imported : line);
    if (checked.kind == LineKind::NotRead) outcome.lines.add({LineOutcome::NotRead}, number);
    if (checked.mark == LineMark::Unmarked) continue;
    outcome.red |= checked.mark == LineMark::Red;
    outcome.blue |= checked.mark == LineMark::Blue;
    out.write(prefix + std::to_string(number) + (checked.mark == LineMark::Blue ? " blue\n" : " red\n"));
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
  // a height column comes into the checked line as a third value
  const FrameCheck check(context.startName, options.threeD || options.heightColumn.has_value());
  std::optional<ColumnLayout> layout;
  if (options.delimiter || options.eastingColumn) {
    layout = columnLayout(options, context);
    if (!layout) return kExitUsage;
  }
  const std::vector<std::string> files = options.files.empty() ? std::vector<std::string>{"-"} : options.files;

  bool failed = false;
  int status = 0;
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
    const std::string name = isStandardStream(file) ? "standard input" : file;
    if (input.utf16()) {
      utf16Refused(name, context);
      failed = true;
    } else if (!input.isOpen() || input.failed()) {
      io.err.write("kortavex-cli: " + terminalFileText(input.error(), context.encoding) + "\n");
      failed = true;
    } else {
      status = std::max(status, noteLines(outcome.lines, name, std::nullopt, options, context));
    }
  }
  if (failed) return kExitIoError;
  // a faulty MGRS reference would get no result
  return marked.red || (options.strict && marked.blue) ? kExitNoResult : status;
}

}  // namespace kortavex
