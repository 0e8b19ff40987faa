// kortavex-cli: the converter for scripts and batch work. It writes exactly
// what the program's output window would receive.
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <new>

#include "cli/cli_modes.h"
#include "files/platform.h"
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
    int error = 0;
    platform::writeSome(platform::kStandardError, message, sizeof message - 1, error);
    removeTemporaryFiles();
    std::_Exit(1);
  }
  std::abort();
}

}  // namespace

int main(int argc, char** argv) {
  std::set_new_handler(onAllocationFailure);
  std::set_terminate(onTerminate);
  // A closed pipe or a file-size limit (ulimit -f) is a write error to report.
  platform::reportWriteErrors();
  // Only the character set follows the locale: numbers never do.
  std::setlocale(LC_CTYPE, "");
  OutputStream out(platform::kStandardOutput), err(platform::kStandardError, OutputStream::Content::Messages);
  CliStreams streams{platform::kStandardInput, out, err, platform::showsColours(platform::kStandardOutput)};
  return runCli(platform::commandLineArguments(argc, argv), streams);
}
