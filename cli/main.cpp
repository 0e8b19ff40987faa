// kortavex-cli: the converter for scripts and batch work. It writes exactly
// what the program's output window would receive.
#include <unistd.h>

#include <clocale>
#include <csignal>

#include "cli/cli_modes.h"

using namespace kortavex;

int main(int argc, char** argv) {
  // A closed pipe is a write error to report, not a silent end.
  std::signal(SIGPIPE, SIG_IGN);
  // So is a file-size limit (ulimit -f): the write fails with EFBIG.
  std::signal(SIGXFSZ, SIG_IGN);
  // Only the character set follows the locale: numbers never do.
  std::setlocale(LC_CTYPE, "");
  OutputStream out(STDOUT_FILENO), err(STDERR_FILENO, OutputStream::Content::Messages);
  CliStreams streams{STDIN_FILENO, out, err, isatty(STDOUT_FILENO) == 1};
  return runCli(std::vector<std::string>(argv + 1, argv + argc), streams);
}
