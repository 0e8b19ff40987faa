// The coordinate-frame check over standard input: the lines it colours.
#include "cli/cli_modes.h"
#include "settings/text_file.h"
#include "workflow/frame_check.h"

int checkStandardInput(const CliOptions&, const CliContext& context) {
  CliStreams& io = context.io;
  if (const int status = checkStartName(context)) return status;
  if (!frameCheckAllowed(context.startName)) {
    printWindowMessage(context, context.texts.msgNoValidSystem);
    return kExitUsage;
  }
  const FrameCheck check(context.startName);
  TerminalInput reader(io.input, context.encoding);
  std::string line;
  for (unsigned long long number = 1; !io.out.failed() && reader.next(line); ++number) {
    const LineMark mark = check.check(line);
    if (mark != LineMark::Unmarked)
      io.out.write(std::to_string(number) + (mark == LineMark::Blue ? " blue\n" : " red\n"));
  }
  if (reader.failed()) {
    io.err.write("kortavex-cli: " + reader.error() + "\n");
    return kExitIoError;
  }
  return 0;
}
