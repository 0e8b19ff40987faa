#include "files/temporary_files.h"

#include <atomic>
#include <cstring>
#include <mutex>

#include "files/platform.h"

namespace kortavex {

namespace {

// A handler may only touch lock-free atomics and fixed memory: the paths live
// in static arrays, and a slot is marked used only after its path is written.
constexpr int kSlots = 16;
constexpr std::size_t kLongestPath = 4096;
char paths[kSlots][kLongestPath];
std::atomic<bool> used[kSlots];
static_assert(std::atomic<bool>::is_always_lock_free, "the handler reads the slots");

}  // namespace

int rememberTemporaryFile(const std::string& path) {
  static std::once_flag installed;
  std::call_once(installed, [] { platform::onInterruption(removeTemporaryFiles); });
  if (path.size() >= kLongestPath) return -1;
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
    if (used[i].exchange(false)) platform::removeFileWhenInterrupted(paths[i]);
}

void forgetTemporaryFile(int slot) {
  if (slot >= 0 && slot < kSlots) used[slot].store(false);
}

}  // namespace kortavex
