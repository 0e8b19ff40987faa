#pragma once
// The names of temporary files that a write has not yet put in place. They
// are removed when the process is interrupted (platform::onInterruption), so
// that an interrupted run leaves nothing behind in the user's folders.

#include <string>

namespace kortavex {

// Registers `path`; returns its slot for forgetTemporaryFile, or -1 when
// every slot is taken (the file is then only removed by its writer).
int rememberTemporaryFile(const std::string& path);
void forgetTemporaryFile(int slot);
// Removes every registered file; safe in a signal handler.
void removeTemporaryFiles();

}  // namespace kortavex
