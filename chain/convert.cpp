// The conversion chain: start step, datum shift through geocentric WGS84 (a
// Helmert transformation or an NTv2 grid), target step.
#include "chain/convert.h"

#include <cmath>

#include "chain/steps.h"
#include "engine/ellipsoid.h"
#include "engine/ntv2_grid.h"
#include "engine/point.h"

namespace chain {
namespace {

// rx, ry, rz (arc-seconds), tx, ty, tz (m), m: the order in which helmert takes them.
struct HelmertRow {
  double rx, ry, rz, tx, ty, tz, m;
};

struct DatumShift {
  char family;
  HelmertRow toWgs84;
  HelmertRow fromWgs84;  // its own published row, not the inverse of the other
};

constexpr DatumShift kDatumShifts[] = {
    {'A',
     {-5.1366, -1.4742, -5.297, 577.326, 90.129, 463.919, 1.0000024232},
     {5.1366, 1.4742, 5.297, -577.326, -90.129, -463.919, 0.9999975768}},
    {'D',
     {-0.202, -0.045, 2.455, 598.1, 73.7, 418.2, 1.0000067},
     {0.202, 0.045, -2.455, -598.1, -73.7, -418.2, 0.9999933}},
    {'S',
     {0.063, 0.247, 0.041, 24.9, -126.4, -93.2, 1.00000101},
     {-0.063, -0.247, -0.041, -24.9, 126.4, 93.2, 0.99999899}},
    {'C', {0, 0, 0, 674.374, 15.056, 405.346, 1.0}, {0, 0, 0, -674.374, -15.056, -405.346, 1.0}},
    {'X', {0, 0, 0, 674.374, 15.056, 405.346, 1.0}, {0, 0, 0, -674.374, -15.056, -405.346, 1.0}},
    {'T',
     {-4.99825, -1.58663, -5.26114, 570.6934, 85.6936, 462.8393, 1.0000035430155},
     {4.99825, 1.58663, 5.26114, -570.6934, -85.6936, -462.8393, 0.99999645699705}},
};

const DatumShift* nationalShift(char family) {
  for (const DatumShift& d : kDatumShifts)
    if (d.family == family) return &d;
  return nullptr;
}

HelmertRow userToWgs84(const UserSystem& u) {
  return {-u.rx, -u.ry, -u.rz, -u.dx, -u.dy, -u.dz, 1 / u.scale};
}
HelmertRow userFromWgs84(const UserSystem& u) {
  return {u.rx, u.ry, u.rz, u.dx, u.dy, u.dz, u.scale};
}

SemiAxes axesOf(char family, const UserSystem& u) {
  switch (family) {
    case '0': return kSemiAxes[3];  // WGS84
    case 'U': return kSemiAxes[2];  // GRS80
    case 'S': return kSemiAxes[1];  // Krassovsky
    case 'Z': return kSemiAxes[validEllipsoid(u.ellipsoid)];
    default: return kSemiAxes[0];   // Bessel
  }
}

// The three coordinates of `g`; the flag and text of `q` stay.
void takeCoordinates(point& q, const point& g) {
  q.x = g.x;
  q.y = g.y;
  q.h = g.h;
}

void applyHelmert(point& q, const HelmertRow& r) {
  point g;
  g.helmert(q, r.rx, r.ry, r.rz, r.tx, r.ty, r.tz, r.m);
  takeCoordinates(q, g);
}

void toGeocentric(point& q, const SemiAxes& axes) {
  point g;
  g.toECEF(q, axes.a, axes.b);
  takeCoordinates(q, g);
}

void toGeographic(point& q, const SemiAxes& axes) {
  point g;
  g.toLLA(q, axes.a, axes.b);
  takeCoordinates(q, g);
}

// Only the families with a published grid take one.
bool usesGrid(std::string_view code) {
  return code[4] == '3' && (code[0] == 'A' || code[0] == 'D' || code[0] == 'C');
}

Grid gridOfFamily(char family) {
  return family == 'A' ? Grid::AustrianGrid : family == 'D' ? Grid::BeTA2007 : Grid::CHENYX06;
}

bool isGridOf(const GridHandle& runGrid, char family) {
  return runGrid && runGrid->grid() == gridOfFamily(family);
}

// Forward and reverse grid shift of a family with a grid ("A", "D", "C"): in
// the run's grid when it is the family's, else in the grid as found now.
int gridForward(point& q, char family, const GridHandle& runGrid) {
  if (isGridOf(runGrid, family)) return gridShiftForward(*runGrid, q, q);
  return gridShiftForward(*currentGridFile(gridOfFamily(family)), q, q);
}
int gridReverse(point& q, char family, const GridHandle& runGrid) {
  if (isGridOf(runGrid, family)) return gridShiftReverse(*runGrid, q, q);
  return gridShiftReverse(*currentGridFile(gridOfFamily(family)), q, q);
}

// Geographic on the start datum -> geocentric WGS84. False when a grid found no shift.
bool towardHub(point& q, char family, bool grid, const UserSystem& u, const GridHandle& runGrid) {
  if (grid && family != 'C') {
    // the grid takes MGI or DHDN straight to ETRS89, taken as WGS84
    if (gridForward(q, family, runGrid) != 1) return false;
    toGeocentric(q, kSemiAxes[3]);
    return true;
  }
  if (grid && gridForward(q, family, runGrid) != 1) return false;  // CH1903 -> CH1903+
  toGeocentric(q, axesOf(family, u));
  if (family == 'Z') {
    applyHelmert(q, userToWgs84(u));
  } else if (const DatumShift* d = nationalShift(family)) {
    applyHelmert(q, d->toWgs84);
  }
  return true;
}

// Geocentric WGS84 -> geographic on the target datum. False when a grid found no shift.
bool fromHub(point& q, char family, bool grid, const UserSystem& u, const GridHandle& runGrid) {
  if (grid && family != 'C') {
    toGeographic(q, kSemiAxes[3]);
    return gridReverse(q, family, runGrid) == 1;
  }
  if (family == 'Z') {
    applyHelmert(q, userFromWgs84(u));
  } else if (const DatumShift* d = nationalShift(family)) {
    applyHelmert(q, d->fromWgs84);
  }
  toGeographic(q, axesOf(family, u));
  return !grid || gridReverse(q, family, runGrid) == 1;  // CH1903+ -> CH1903
}

// Positions 1-2 as a number: leading digits only, 0 when there are none.
int zoneOf(std::string_view code) {
  int zone = 0;
  for (std::size_t i = 1; i < 3 && i < code.size() && code[i] >= '0' && code[i] <= '9'; ++i)
    zone = zone * 10 + (code[i] - '0');
  return zone;
}

void startStep(point& q, const StepContext& c, const UserSystem& u) {
  if (c.code[0] == 'Z') return userStart(q, u);
  if (c.code[0] == '0' || isGeographicCode(c.code)) return;
  switch (c.code[0]) {
    case 'A': return c.code[1] == 'L' ? lambertStart(q) : gaussKruegerStart(q, c);
    case 'D':
    case 'S': return gaussKruegerStart(q, c);
    case 'U': return utmStart(q, c);
    case 'T': return krovakStart(q);
    case 'X':
    case 'C': return swissStart(q, c);
  }
}

void targetStep(point& q, const StepContext& c, const UserSystem& u) {
  if (c.code[0] == 'Z') return userTarget(q, u);
  if (c.code[0] == '0' || isGeographicCode(c.code)) return;
  switch (c.code[0]) {
    case 'A': return c.code[1] == 'L' ? lambertTarget(q) : gaussKruegerTarget(q, c);
    case 'D':
    case 'S': return gaussKruegerTarget(q, c);
    case 'U': return utmTarget(q, c);
    case 'T': return krovakTarget(q);
    case 'X':
    case 'C': return swissTarget(q, c);
  }
}

// Geographic coordinates between the steps: beyond the poles, or a height
// that puts the point far from the earth (a reference height of 1e200, a
// user datum shift of absurd size), no formula of the chain holds, and the
// numbers it would give only look plausible. 10 000 km is above every
// height a user of these systems has, and far below where the geocentric
// conversion loses its digits.
constexpr double kHighestHeight = 1e7;

void markIfNoPosition(point& q, int bit) {
  if (!(std::abs(q.x) <= 90) || !(std::abs(q.h) <= kHighestHeight) || !std::isfinite(q.y)) q.flag |= bit;
}

// A result that is no number (a degenerate user system, a value far beyond
// any frame) lies outside every frame: it must never pass for a good result.
point markedIfNoNumbers(point q) {
  if (!std::isfinite(q.y) || !std::isfinite(q.x) || !std::isfinite(q.h)) q.flag |= FLAG_TARGET_FRAME;
  return q;
}

// Codes shorter than five characters never come from the system selection;
// they are padded so that no step reads past their end.
std::string fullCode(const std::string& code) {
  std::string padded = code;
  if (padded.size() < 5) padded.resize(5, '0');
  return padded;
}

}  // namespace

bool isGeographicCode(std::string_view code) { return code[1] == '0' && code[2] == '0'; }

point convertPoint(point p, const std::string& startCode, const std::string& targetCode,
                   const UserSystem& u, const GridHandle& runGrid) {
  const std::string start = fullCode(startCode), target = fullCode(targetCode);
  const bool datumShift = start[0] != target[0];
  if (!datumShift && (start[0] == '0' || start[0] == 'Z')) return p;

  point q = p;
  q.txt.clear();
  const StepContext startContext{start, zoneOf(start), datumShift};
  const StepContext targetContext{target, zoneOf(target), datumShift};
  startStep(q, startContext, u);
  markIfNoPosition(q, FLAG_START_FRAME);
  if (datumShift) {
    if (!towardHub(q, start[0], usesGrid(start), u, runGrid)) {
      q.flag |= FLAG_START_GRID;
      return markedIfNoNumbers(q);
    }
    if (!fromHub(q, target[0], usesGrid(target), u, runGrid)) {
      q.flag |= FLAG_TARGET_GRID;
      return markedIfNoNumbers(q);
    }
    markIfNoPosition(q, FLAG_TARGET_FRAME);
  }
  targetStep(q, targetContext, u);
  return markedIfNoNumbers(q);
}

UserSystem userSystemOf(const UserParameterSet& set) {
  return {set.dx, set.dy, set.dz, set.scale, set.rx, set.ry, set.rz,
          set.centralMeridian, set.latitudeOfOrigin, set.northParallel, set.southParallel,
          set.falseEasting, set.falseNorthing, set.ellipsoid, set.projection};
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
  return chain::convertPoint(p, start, target, user);
}
