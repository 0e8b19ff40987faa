// The gauge of long runs, over random runs against a model of what a gauge
// should show: the percent done whenever it changes, never after the run,
// and an empty gauge at the end however the run ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "workflow/progress_gauge.h"

using namespace kortavex;

namespace {

TEST(ProgressGauge, ShowsEachChangeOnceAndEmptiesAtTheEndHoweverTheRunEnds) {
  std::mt19937_64 random(13);
  for (int run = 0; run < 2000; ++run) {
    SCOPED_TRACE(run);
    const std::uint64_t totals[] = {0, 1, 7, 100, 101, 99999, 1u << 30};
    const std::uint64_t total = totals[random() % std::size(totals)];
    std::vector<int> shown, expected;
    std::optional<int> last;
    {
      ProgressGauge gauge([&](int percent) { shown.push_back(percent); }, total);
      std::uint64_t done = 0;
      const int steps = static_cast<int>(random() % 300);
      for (int step = 0; step < steps; ++step) {
        // mostly forward, sometimes far beyond the total (a file that grew)
        done += random() % 4 == 0 ? random() % (2 * total + 2) : random() % (total / 50 + 2);
        gauge.update(done);
        if (total == 0) continue;
        const int percent = static_cast<int>(std::min(done, total) * 100 / total);
        if (percent != last) expected.push_back(*(last = percent));
      }
      switch (random() % 3) {
        case 0: break;  // an early return: the end of the scope empties it
        case 1: gauge.finish(); break;
        case 2:
          gauge.finish();
          gauge.update(total / 2);  // nothing after the end
          gauge.finish();
          break;
      }
    }
    expected.push_back(0);
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(std::all_of(shown.begin(), shown.end(), [](int p) { return p >= 0 && p <= 100; }));
  }
}

TEST(ProgressGauge, RunsWithoutAGaugeToShowIt) {
  EXPECT_NO_THROW({
    ProgressGauge gauge({}, 10);
    gauge.update(5);
    gauge.finish();
  });
}

}  // namespace
