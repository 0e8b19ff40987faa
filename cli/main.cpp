// kortavex-cli: the converter for scripts and batch work. It writes exactly
// what the program's output window would receive.
#include <unistd.h>

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <new>

#include "cli/cli_modes.h"
#include "files/temporary_files.h"

using namespace kortavex;

namespace {

// Memory running out ends a run with "out of memory" and exit 1 (runCli
// catches std::bad_alloc). Where memory is so short that the runtime cannot
// even create that exception, it terminates instead: the run then still
// ends with the message, not with an abort.
volatile std::sig_atomic_t allocationFailed = 0;

void onAllocationFailure() {
  allocationFailed = 1;
  throw std::bad_alloc();
}

[[noreturn]] void onTerminate() {
  if (allocationFailed && !std::current_exception()) {
    static const char message[] = "kortavex-cli: out of memory\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, message, sizeof message - 1);
    removeTemporaryFiles();
    ::_exit(1);
  }
  std::abort();
}

}  // namespace

int main(int argc, char** argv) {
  std::set_new_handler(onAllocationFailure);
  std::set_terminate(onTerminate);
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
