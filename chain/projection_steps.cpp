// Austrian Lambert, Krovak (S-JTSK) and the Swiss grids LV95, LV03 and the
// Liechtenstein civil coordinates.
#include "chain/steps.h"
#include "engine/ellipsoid.h"
#include "engine/krovak.h"
#include "engine/lambert.h"
#include "engine/swiss.h"

namespace kortavex {

namespace chain {
namespace {

constexpr int kBessel = 0;

// Austrian Lambert on Bessel: origin 47.5 deg, parallels 49 and 46 deg,
// central meridian 13 deg 20', false origin 400 000 / 400 000.
constexpr double kLambOrigin = 47.5, kLambNorth = 49.0, kLambSouth = 46.0;
constexpr double kLambMeridian = 13.333333333;
constexpr double kLambFalseOrigin = 400000;
constexpr GridFrame kLambertFrame{{107763, 680480}, {286024, 575885}};

// Westing and southing.
constexpr GridFrame kKrovakFrame{{0, 1000000}, {500000, 1500000}};

// Relative to the projection origin at Bern.
constexpr GridFrame kSwissFrame{{-200000, 400000}, {-200000, 200000}};

class AustrianLambert : public SystemSteps {
 public:
  AustrianLambert() : projection_(kBessel, kLambOrigin, kLambNorth, kLambSouth, kLambMeridian) {}

  void start(point& q) const override {
    if (!kLambertFrame.contains(q)) q.flag |= FLAG_START_FRAME;
    q.y -= kLambFalseOrigin;
    q.x -= kLambFalseOrigin;
    projection_.inverse(q);
    q.h = 0;  // the inverse gives no height
  }

  void target(point& q) const override {
    projection_.forward(q);
    q.y += kLambFalseOrigin;
    q.x += kLambFalseOrigin;
    if (!kLambertFrame.contains(q)) q.flag |= FLAG_TARGET_FRAME;
  }

  std::optional<InputFrame> inputFrame() const override { return kLambertFrame.inputFrame(); }

 private:
  LambertConic projection_;
};

class KrovakGrid : public SystemSteps {
 public:
  KrovakGrid() : projection_(kEllipsoids[kBessel].a, kEllipsoids[kBessel].e) {}

  void start(point& q) const override {
    if (!kKrovakFrame.contains(q)) q.flag |= FLAG_START_FRAME;
    projection_.inverse(q);
  }

  void target(point& q) const override {
    projection_.forward(q);
    if (!kKrovakFrame.contains(q)) q.flag |= FLAG_TARGET_FRAME;
  }

  std::optional<InputFrame> inputFrame() const override { return kKrovakFrame.inputFrame(); }

 private:
  Krovak projection_;
};

// The false origin of the Swiss grid: LV95, LV03, or none for the civil
// coordinates (variant "1").
class SwissGrid : public SystemSteps {
 public:
  explicit SwissGrid(const SystemCode& code)
      : east_(code.family() == 'X' ? 2600000 : code.variant() == '0' ? 600000 : 0),
        north_(code.family() == 'X' ? 1200000 : code.variant() == '0' ? 200000 : 0) {}

  void start(point& q) const override {
    q.y -= east_;
    q.x -= north_;
    if (!kSwissFrame.contains(q)) q.flag |= FLAG_START_FRAME;
    swissProjectionInverse(q);
  }

  void target(point& q) const override {
    swissProjectionForward(q);
    if (!kSwissFrame.contains(q)) q.flag |= FLAG_TARGET_FRAME;
    q.y += east_;
    q.x += north_;
  }

  std::optional<InputFrame> inputFrame() const override { return kSwissFrame.inputFrame(east_, north_); }

 private:
  double east_, north_;
};

}  // namespace

std::unique_ptr<const SystemSteps> austrianLambertSteps(const StepContext&) {
  return std::make_unique<AustrianLambert>();
}

std::unique_ptr<const SystemSteps> krovakSteps(const StepContext&) { return std::make_unique<KrovakGrid>(); }

std::unique_ptr<const SystemSteps> swissSteps(const StepContext& c) { return std::make_unique<SwissGrid>(c.code); }

}  // namespace chain

}  // namespace kortavex
