// The coordinate-frame check over standard input: the lines it colours.
#include "cli/cli_modes.h"
#include "settings/text_file.h"
#include "workflow/frame_check.h"

int checkStandardInput(const CliOptions& options, const CliContext& context) {
  CliStreams& io = context.io;
  if (const int status = checkStartName(options.from, io.err)) return status;
  if (!frameCheckAllowed(options.from)) {
    io.err.write(context.texts.msgNoValidSystem + "\n");
    return kExitUsage;
  }
  const FrameCheck check(options.from);
  LineReader reader(io.input);
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
