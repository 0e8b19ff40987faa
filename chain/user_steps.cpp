// The user-defined system: geographic, transverse Mercator (Gauss-Krueger or
// UTM scale) or Lambert, on one of the five ellipsoids. No frame of its own.
#include <cmath>
#include <optional>

#include "chain/steps.h"
#include "engine/lambert.h"

namespace kortavex {

namespace chain {
namespace {

// The user system has no frame; only a point that its projection gives no
// numbers for (the far pole of a Lambert cone), or that its transverse
// Mercator cannot give, counts as outside, so that it is not shown as a good
// result.
bool noNumbers(const point& q) { return !std::isfinite(q.y) || !std::isfinite(q.x); }

class UserSystemSteps : public SystemSteps {
 public:
  explicit UserSystemSteps(const UserSystem& u) : u_(u) {
    if (u.projection == kUserLambert)
      lambert_.emplace(u.ellipsoid, u.latitudeOfOrigin, u.northParallel, u.southParallel,
                       u.centralMeridian);
    if (u.projection == kUserGaussKrueger || u.projection == kUserUtm)
      transverseMercator_.emplace(u.ellipsoid, u.projection);
  }

  void start(point& q) const override {
    if (lambert_) {
      q.y -= u_.falseEasting;
      q.x -= u_.falseNorthing;
      lambert_->inverse(q);
      q.h = 0;  // the inverse gives no height
    } else if (transverseMercator_) {
      q.y -= u_.falseEasting;
      q.x -= u_.falseNorthing;
      if (!transverseMercatorBack(q, *transverseMercator_)) q.flag |= FLAG_START_FRAME;
      q.y += u_.centralMeridian;
    }
    if (noNumbers(q)) q.flag |= FLAG_START_FRAME;
  }

  void target(point& q) const override {
    if (lambert_) {
      lambert_->forward(q);
      q.y += u_.falseEasting;
      q.x += u_.falseNorthing;
    } else if (transverseMercator_) {
      q.y -= u_.centralMeridian;
      if (!transverseMercatorForward(q, *transverseMercator_)) q.flag |= FLAG_TARGET_FRAME;
      q.y += u_.falseEasting;
      q.x += u_.falseNorthing;
    }
    if (noNumbers(q)) q.flag |= FLAG_TARGET_FRAME;
  }

 private:
  UserSystem u_;
  // none for a geographic system
  std::optional<LambertConic> lambert_;
  std::optional<TransverseMercator> transverseMercator_;
};

}  // namespace

std::unique_ptr<const SystemSteps> userSteps(const StepContext& c) {
  return std::make_unique<UserSystemSteps>(c.user);
}

}  // namespace chain

}  // namespace kortavex
