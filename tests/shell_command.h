#pragma once
// Runs a shell command and collects its standard output and exit status.
#include <sys/wait.h>

#include <cstdio>
#include <string>

struct ShellRun {
  int status = -1;
  std::string out;
};

inline ShellRun runShell(const std::string& command) {
  ShellRun run;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) run.out.append(buf, n);
    run.status = WEXITSTATUS(pclose(pipe));
  }
  return run;
}
