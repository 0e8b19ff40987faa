#include "files/temporary_files.h"

#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <mutex>

namespace kortavex {

namespace {

// A handler may only touch lock-free atomics and fixed memory: the paths live
// in static arrays, and a slot is marked used only after its path is written.
constexpr int kSlots = 16;
char paths[kSlots][PATH_MAX];
std::atomic<bool> used[kSlots];
static_assert(std::atomic<bool>::is_always_lock_free, "the handler reads the slots");

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGXFSZ};
struct sigaction previous[sizeof kSignals / sizeof kSignals[0]];

void removeAndPassOn(int signal) {
  removeTemporaryFiles();
  for (std::size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i) {
    if (kSignals[i] != signal) continue;
    // whoever handled the signal before goes on handling it; by default it ends the process
    ::sigaction(signal, &previous[i], nullptr);
    if (previous[i].sa_handler == SIG_DFL) ::raise(signal);
    else if (!(previous[i].sa_flags & SA_SIGINFO) && previous[i].sa_handler != SIG_IGN)
      previous[i].sa_handler(signal);
  }
}

void installHandlers() {
  for (std::size_t i = 0; i < sizeof kSignals / sizeof kSignals[0]; ++i) {
    struct sigaction action {};
    action.sa_handler = removeAndPassOn;
    ::sigemptyset(&action.sa_mask);
    for (const int other : kSignals) ::sigaddset(&action.sa_mask, other);
    ::sigaction(kSignals[i], nullptr, &previous[i]);
    // a signal the process ignores (nohup) stays ignored
    if (previous[i].sa_handler != SIG_IGN) ::sigaction(kSignals[i], &action, nullptr);
  }
}

}  // namespace

int rememberTemporaryFile(const std::string& path) {
  static std::once_flag installed;
  std::call_once(installed, installHandlers);
  if (path.size() >= PATH_MAX) return -1;
  static std::mutex slots;  // between writers; the handler never waits for it
  const std::lock_guard<std::mutex> lock(slots);
  for (int i = 0; i < kSlots; ++i) {
    if (used[i].load()) continue;
    std::memcpy(paths[i], path.c_str(), path.size() + 1);
    used[i].store(true);
    return i;
  }
  return -1;
}

void removeTemporaryFiles() {
  for (int i = 0; i < kSlots; ++i)
    if (used[i].exchange(false)) ::unlink(paths[i]);
}

void forgetTemporaryFile(int slot) {
  if (slot >= 0 && slot < kSlots) used[slot].store(false);
}

}  // namespace kortavex
