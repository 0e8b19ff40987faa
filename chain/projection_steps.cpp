// Austrian Lambert, Krovak (S-JTSK) and the Swiss grids LV95, LV03 and the
// Liechtenstein civil coordinates.
#include "chain/steps.h"
#include "engine/ellipsoid.h"

namespace kortavex {

namespace chain {
namespace {

// Austrian Lambert on Bessel: origin 47.5 deg, parallels 49 and 46 deg,
// central meridian 13 deg 20', false origin 400 000 / 400 000.
constexpr double kLambOrigin = 47.5, kLambNorth = 49.0, kLambSouth = 46.0;
constexpr double kLambMeridian = 13.333333333;
constexpr double kLambFalseOrigin = 400000;

// Frames are written as what lies inside, so that a value that is no number
// (a latitude beyond the pole has no projection) lies outside.
bool outsideLambertFrame(const point& q) {
  return !(q.y >= 107763 && q.y <= 680480 && q.x >= 286024 && q.x <= 575885);
}

constexpr const Ellipsoid& kBessel = kEllipsoids[0];

bool outsideKrovakFrame(const point& q) {
  return !(q.y >= 0 && q.y <= 1000000 && q.x >= 500000 && q.x <= 1500000);
}

bool outsideSwissFrame(const point& q) {
  return !(q.y >= -200000 && q.y <= 400000 && q.x >= -200000 && q.x <= 200000);
}

// False origin of the Swiss grid: LV95, LV03, or none for the civil coordinates.
struct Offset {
  double y, x;
};
Offset swissFalseOrigin(const StepContext& c) {
  if (c.code.family() == 'X') return {2600000, 1200000};
  if (c.code.variant() == '0') return {600000, 200000};
  return {0, 0};  // the civil coordinates, variant "1"
}

}  // namespace

void lambertStart(point& q, const StepContext&) {
  if (outsideLambertFrame(q)) q.flag |= FLAG_START_FRAME;
  q.y -= kLambFalseOrigin;
  q.x -= kLambFalseOrigin;
  point g;
  g.Lamb2ell(q, 0, kLambOrigin, kLambNorth, kLambSouth, kLambMeridian);
  q.x = g.x;
  q.y = g.y;
  q.h = 0;  // the inverse gives no height
}

void lambertTarget(point& q, const StepContext&) {
  q.y -= kLambMeridian;
  point g;
  g.toLamb(q, 0, kLambOrigin, kLambNorth, kLambSouth);
  q.y = g.y + kLambFalseOrigin;
  q.x = g.x + kLambFalseOrigin;
  if (outsideLambertFrame(q)) q.flag |= FLAG_TARGET_FRAME;
}

void krovakStart(point& q, const StepContext&) {
  if (outsideKrovakFrame(q)) q.flag |= FLAG_START_FRAME;
  point g;
  g.KrovakToBL(q, kBessel.a, kBessel.e);
  q.x = g.x;
  q.y = g.y;
}

void krovakTarget(point& q, const StepContext&) {
  point g;
  g.toKrovak(q, kBessel.a, kBessel.e);
  q.x = g.x;
  q.y = g.y;
  if (outsideKrovakFrame(q)) q.flag |= FLAG_TARGET_FRAME;
}

void swissStart(point& q, const StepContext& c) {
  const Offset origin = swissFalseOrigin(c);
  q.y -= origin.y;
  q.x -= origin.x;
  if (outsideSwissFrame(q)) q.flag |= FLAG_START_FRAME;
  point g;
  g.fromCH1903Plus(q);
  q.x = g.x;
  q.y = g.y;
}

void swissTarget(point& q, const StepContext& c) {
  point g;
  g.toCH1903Plus(q);
  q.x = g.x;
  q.y = g.y;
  if (outsideSwissFrame(q)) q.flag |= FLAG_TARGET_FRAME;
  const Offset origin = swissFalseOrigin(c);
  q.y += origin.y;
  q.x += origin.x;
}

}  // namespace chain

}  // namespace kortavex
