// The coordinate-frame check over standard input: the lines it colours.
#include <unistd.h>

#include <cstdio>

#include "cli/cli_modes.h"
#include "settings/text_file.h"
#include "workflow/frame_check.h"

int checkStandardInput(const CliOptions& options, const CliContext& context) {
  if (const int status = checkStartName(options.from)) return status;
  if (!frameCheckAllowed(options.from)) {
    std::fprintf(stderr, "%s\n", context.texts.msgNoValidSystem.c_str());
    return kExitUsage;
  }
  const FrameCheck check(options.from);
  LineReader reader(STDIN_FILENO);
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
