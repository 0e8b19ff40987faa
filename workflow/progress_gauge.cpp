#include "workflow/progress_gauge.h"

#include <algorithm>
#include <utility>

namespace kortavex {

ProgressGauge::ProgressGauge(ProgressCallback callback, std::uint64_t total)
    : callback_(std::move(callback)), total_(total) {}

void ProgressGauge::update(std::uint64_t done) {
  if (!callback_ || total_ == 0 || finished_) return;
  const int percent = static_cast<int>(std::min(done, total_) * 100 / total_);
  if (percent != last_) callback_(last_ = percent);
}

void ProgressGauge::finish() {
  if (finished_) return;
  finished_ = true;
  if (callback_) callback_(0);
}

}  // namespace kortavex
