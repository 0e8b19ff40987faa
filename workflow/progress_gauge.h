#pragma once
// How far a long run has got, for a gauge: the file conversion, the import
// and the conversion and frame check of the input window report through it.

#include <cstdint>
#include <functional>

namespace kortavex {

// Percent done so far, 0-100: called when it changes, and with 0 at the end
// (the gauge is emptied).
using ProgressCallback = std::function<void(int percent)>;

// Turns a count of done units (bytes, lines) into calls of a ProgressCallback.
// The run's end empties the gauge, also when it ends early.
class ProgressGauge {
 public:
  ProgressGauge(ProgressCallback callback, std::uint64_t total);
  ProgressGauge(const ProgressGauge&) = delete;
  ProgressGauge& operator=(const ProgressGauge&) = delete;
  ~ProgressGauge() { finish(); }

  void update(std::uint64_t done);
  // Empties the gauge once; later calls change nothing.
  void finish();

 private:
  ProgressCallback callback_;
  std::uint64_t total_;
  int last_ = -1;
  bool finished_ = false;
};

}  // namespace kortavex
