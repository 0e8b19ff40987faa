// The coordinate-frame check over standard input: the lines it colours.
#include <cstdio>

#include "cli/cli_modes.h"
#include "workflow/frame_check.h"

int checkStandardInput(const CliOptions&, const CliContext& context) {
  if (const int status = checkStartName(context)) return status;
  if (!frameCheckAllowed(context.startName)) {
    printWindowMessage(context, context.texts.msgNoValidSystem);
    return kExitUsage;
  }
  const FrameCheck check(context.startName);
  TerminalInput reader(context.encoding);
  std::string line;
  for (unsigned long long number = 1; reader.next(line); ++number) {
    const LineMark mark = check.check(line);
    if (mark != LineMark::Unmarked)
      std::printf("%llu %s\n", number, mark == LineMark::Blue ? "blue" : "red");
  }
  if (reader.failed()) {
    std::fprintf(stderr, "kortavex-cli: %s\n", reader.error().c_str());
    return 1;
  }
  return 0;
}
