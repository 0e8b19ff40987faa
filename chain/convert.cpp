// The conversion chain: start step, datum shift through geocentric WGS84 (a
// Helmert transformation or an NTv2 grid), target step. What differs from
// family to family is read from its row in chain/datum_families.cpp.
#include "chain/convert.h"

#include <cmath>
#include <limits>

#include "chain/datum_families.h"
#include "chain/steps.h"
#include "engine/ellipsoid.h"

namespace kortavex {

namespace chain {
namespace {

constexpr int kWgs84 = 3;  // ellipsoid code

const Ellipsoid& datumEllipsoid(const DatumFamily& family, const UserSystem& u) {
  return kEllipsoids[family.userDefined ? validEllipsoid(u.ellipsoid) : family.ellipsoid];
}

HelmertShift helmertShift(const HelmertRow& r) {
  return HelmertShift(r.rx, r.ry, r.rz, r.tx, r.ty, r.tz, r.m, r.m, r.m);
}

// The grid of a code that asks for one and whose family has one: the run's
// grid when it is the family's, else the grid as found now.
GridHandle gridOf(const SystemCode& code, const DatumFamily& family, const GridHandle& runGrid) {
  if (!code.usesGrid() || !family.grid) return nullptr;
  if (runGrid && runGrid->grid() == family.grid->grid) return runGrid;
  return currentGridFile(family.grid->grid);
}

// A grid that reaches ETRS89 leads there directly, taken as WGS84.
const Ellipsoid& hubSideEllipsoid(const GridHandle& grid, const DatumFamily& family,
                                  const UserSystem& u) {
  return grid && family.grid->reachesWgs84 ? kEllipsoids[kWgs84] : datumEllipsoid(family, u);
}

// Geographic systems take no step, but the user family's projection comes
// from the user's system, whatever its code says.
std::shared_ptr<const SystemSteps> stepsOf(const SystemCode& code, const DatumFamily& family,
                                           const UserSystem& u, bool datumShift) {
  if (!family.steps || (!family.userDefined && code.isGeographic())) return nullptr;
  return family.steps({code, family, u, datumShift});
}

// Geographic coordinates between the steps: beyond the poles, or a height
// that puts the point far from the earth (a reference height of 1e200, a
// user datum shift of absurd size), no formula of the chain holds, and the
// numbers it would give only look plausible. 10 000 km is above every
// height a user of these systems has, and far below where the geocentric
// conversion loses its digits; 1 000 km below the ellipsoid is deeper than
// the earth has room for any surveyed point (a height of -6 400 km would
// put the point through the centre, on the far side).
constexpr double kHighestHeight = 1e7;
constexpr double kDeepestHeight = -1e6;

void markIfNoPosition(point& q, int bit) {
  if (!(std::abs(q.x) <= 90) || !heightInReach(q.h) || !std::isfinite(q.y)) q.flag |= bit;
}

// Beyond 1e7 degrees a double holds an angle to less than the eight
// decimals the results show: such a value names no direction at all, and
// whatever it was turned into would pass for a point.
constexpr double kLargestAngle = 1e7;

// A latitude and longitude as entered: beyond +-90 and +-180 degrees outside
// the frame of every geographic system, as the frame check marks them; an
// angle that names no direction leaves nothing to convert.
void markEnteredAngles(point& q) {
  if (!(std::abs(q.x) <= 90 && std::abs(q.y) <= 180)) q.flag |= FLAG_START_FRAME;
  if (!(std::abs(q.x) <= kLargestAngle && std::abs(q.y) <= kLargestAngle))
    q.x = q.y = std::numeric_limits<double>::quiet_NaN();
}

// A result that is no number (a degenerate user system, a value far beyond
// any frame) lies outside every frame: it must never pass for a good result.
point markedIfNoNumbers(point q) {
  if (!std::isfinite(q.y) || !std::isfinite(q.x) || !std::isfinite(q.h)) q.flag |= FLAG_TARGET_FRAME;
  return q;
}

}  // namespace

bool heightInReach(double height) { return height >= kDeepestHeight && height <= kHighestHeight; }

Conversion::DatumPath::DatumPath(const SystemCode& code, const DatumFamily& family,
                                 const UserSystem& user, const GridHandle& runGrid,
                                 bool towardWgs84)
    : grid(gridOf(code, family, runGrid)),
      geocentric(hubSideEllipsoid(grid, family, user).a, hubSideEllipsoid(grid, family, user).b) {
  if (family.helmert && !(grid && family.grid->reachesWgs84)) {
    const HelmertRow row = family.userDefined ? (towardWgs84 ? user.toWgs84() : user.fromWgs84())
                                              : (towardWgs84 ? family.toWgs84 : family.fromWgs84);
    helmert = helmertShift(row);
  }
}

Conversion::Conversion(const SystemCode& start, const SystemCode& target, const UserSystem& user,
                       const GridHandle& grid, const HeightDatums& heights)
    : heights_(heights) {
  const DatumFamily& startFamily = datumFamily(start);
  const DatumFamily& targetFamily = datumFamily(target);
  datumShift_ = !start.sameFamily(target);
  throughHub_ = datumShift_ || heights.any();
  sameSystem_ = !throughHub_ && startFamily.oneSystem;
  if (sameSystem_) return;
  geographicStart_ = start.isGeographic() && !startFamily.userDefined;
  start_ = stepsOf(start, startFamily, user, datumShift_);
  target_ = stepsOf(target, targetFamily, user, datumShift_);
  if (throughHub_) {
    startPath_.emplace(start, startFamily, user, grid, true);
    targetPath_.emplace(target, targetFamily, user, grid, false);
    // WGS84 and ETRS89 (UTM's GRS80) are one datum: between them the latitude
    // and longitude stay as they are, as in PROJ (EPSG:4326 to EPSG:25833 is
    // the projection alone). Through geocentric coordinates and back they
    // would come back a last bit off, enough to put a point on a zone's
    // western edge into the zone west of it.
    if (startPath_->onWgs84() && targetPath_->onWgs84()) {
      startPath_.reset();
      targetPath_.reset();
    }
  }
}

// Geographic on the start datum -> geocentric WGS84. False when a grid found no shift.
bool Conversion::towardHub(point& q) const {
  const DatumPath& path = *startPath_;
  if (path.grid && gridShiftForward(*path.grid, q, q) != 1) return false;
  path.geocentric.toGeocentric(q);
  if (path.helmert) path.helmert->apply(q);
  return true;
}

// Geocentric WGS84 -> geographic on the target datum. False when a grid found no shift.
bool Conversion::fromHub(point& q) const {
  const DatumPath& path = *targetPath_;
  if (path.helmert) path.helmert->apply(q);
  path.geocentric.toGeographic(q);
  return !path.grid || gridShiftReverse(*path.grid, q, q) == 1;
}

// At the hub (geocentric WGS84 when the datum paths lead there, else
// latitude and longitude on WGS84): the height entered in the start's height
// system becomes the ellipsoidal height (the start's surface added), and that
// the target's (its surface taken off). A point outside a system's grids gets
// the grid bit of its side. A datum shift is for ellipsoidal heights: a
// height in a height system goes through one only for the position, and
// comes out as it went in, as PROJ keeps it aside (its push and pop of the
// height). Returns the height of the result where the target has a height
// system.
std::optional<double> Conversion::changeHeightSystem(point& q, double enteredHeight) const {
  static const Geocentric wgs84(kEllipsoids[kWgs84].a, kEllipsoids[kWgs84].b);
  const bool geocentric = startPath_.has_value();
  if (geocentric) wgs84.toGeographic(q);
  const auto surface = [&q](const HeightDatum& datum) {
    return datum.system ? datum.surfaceHeight(q.x, q.y) : std::optional<double>(0.0);
  };
  const std::optional<double> startSurface = surface(heights_.start), targetSurface = surface(heights_.target);
  if (!startSurface) q.flag |= FLAG_START_GRID;
  if (!targetSurface) q.flag |= FLAG_TARGET_GRID;
  if (heights_.start.system) q.h = enteredHeight + startSurface.value_or(0);
  q.h -= targetSurface.value_or(0);
  const std::optional<double> targetHeight = heights_.target.system ? std::optional<double>(q.h) : std::nullopt;
  if (geocentric) wgs84.toGeocentric(q);
  return targetHeight;
}

point Conversion::convert(point p) const {
  if (sameSystem_) return markedIfNoNumbers(std::move(p));

  point q = std::move(p);
  q.txt.clear();
  if (geographicStart_) markEnteredAngles(q);
  if (start_) start_->start(q);
  markIfNoPosition(q, FLAG_START_FRAME);
  if (throughHub_) {
    const double enteredHeight = q.h;
    if (startPath_ && !towardHub(q)) {
      q.flag |= FLAG_START_GRID;
      return markedIfNoNumbers(q);
    }
    std::optional<double> heightInSystem;
    if (heights_.any()) {
      heightInSystem = changeHeightSystem(q, enteredHeight);
      if (q.flag & (FLAG_START_GRID | FLAG_TARGET_GRID)) return markedIfNoNumbers(q);
    }
    if (targetPath_ && !fromHub(q)) {
      q.flag |= FLAG_TARGET_GRID;
      return markedIfNoNumbers(q);
    }
    if (heightInSystem) q.h = *heightInSystem;
    // a longitude within +-180 deg, as one that came back from the hub
    if (!targetPath_) q.y = std::remainder(q.y, 360.0);
    markIfNoPosition(q, FLAG_TARGET_FRAME);
  }
  if (target_) target_->target(q);
  return markedIfNoNumbers(q);
}

point convertPoint(point p, const SystemCode& start, const SystemCode& target,
                   const UserSystem& user, const GridHandle& grid, const HeightDatums& heights) {
  return Conversion(start, target, user, grid, heights).convert(std::move(p));
}

}  // namespace chain

point point::convert(point p, const std::string& start, const std::string& target, double dx,
                     double dy, double dz, double scale, double rx, double ry, double rz,
                     double centralMeridian, double latitudeOfOrigin, double northParallel,
                     double southParallel, double falseEasting, double falseNorthing,
                     int ellipsoid, int projection) const {
  const chain::UserSystem user{dx, dy, dz, scale, rx, ry, rz, centralMeridian, latitudeOfOrigin,
                               northParallel, southParallel, falseEasting, falseNorthing,
                               ellipsoid, projection};
  return chain::convertPoint(p, SystemCode(start), SystemCode(target), user);
}

}  // namespace kortavex
