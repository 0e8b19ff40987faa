// The user-defined system: geographic, transverse Mercator (Gauss-Krueger or
// UTM scale) or Lambert, on one of the five ellipsoids. No frame of its own.
#include <cmath>

#include "chain/steps.h"

namespace kortavex {

namespace chain {
namespace {

// The user system has no frame; only a point that its projection gives no
// numbers for (the far pole of a Lambert cone), or that its transverse
// Mercator cannot give, counts as outside, so that it is not shown as a good
// result.
bool noNumbers(const point& q) { return !std::isfinite(q.y) || !std::isfinite(q.x); }

}  // namespace

void userStart(point& q, const StepContext& c) {
  const UserSystem& u = c.user;
  point g;
  switch (u.projection) {
    case kUserLambert:
      q.y -= u.falseEasting;
      q.x -= u.falseNorthing;
      g.Lamb2ell(q, u.ellipsoid, u.latitudeOfOrigin, u.northParallel, u.southParallel,
                 u.centralMeridian);
      q.x = g.x;
      q.y = g.y;
      q.h = 0;  // the inverse gives no height
      break;
    case kUserGaussKrueger:
    case kUserUtm:
      q.y -= u.falseEasting;
      q.x -= u.falseNorthing;
      if (!transverseMercatorBack(q, u.ellipsoid, u.projection)) q.flag |= FLAG_START_FRAME;
      q.y += u.centralMeridian;
      break;
    default:  // geographic
      break;
  }
  if (noNumbers(q)) q.flag |= FLAG_START_FRAME;
}

void userTarget(point& q, const StepContext& c) {
  const UserSystem& u = c.user;
  point g;
  switch (u.projection) {
    case kUserLambert:
      q.y -= u.centralMeridian;
      g.toLamb(q, u.ellipsoid, u.latitudeOfOrigin, u.northParallel, u.southParallel);
      q.y = g.y + u.falseEasting;
      q.x = g.x + u.falseNorthing;
      break;
    case kUserGaussKrueger:
    case kUserUtm:
      q.y -= u.centralMeridian;
      if (!transverseMercatorForward(q, u.ellipsoid, u.projection)) q.flag |= FLAG_TARGET_FRAME;
      q.y += u.falseEasting;
      q.x += u.falseNorthing;
      break;
    default:  // geographic
      break;
  }
  if (noNumbers(q)) q.flag |= FLAG_TARGET_FRAME;
}

}  // namespace chain

}  // namespace kortavex
