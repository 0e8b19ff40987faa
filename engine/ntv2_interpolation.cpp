// Datum shifts by bilinear interpolation in the NTv2 grids, forward (old
// datum to new) as the NTv2 format description of Natural Resources Canada
// interpolates, and reverse by iterating the forward shift.

#include "engine/ntv2_grid.h"
#include "engine/point.h"

namespace kortavex {

namespace {

constexpr int kReverseIterations = 4;
constexpr double kSecondsPerDegree = 3600.0;

// Compares the grid's file with the loaded copy on this thread's first shift
// and after every kGridShiftsPerCheck shifts, so that a change is noticed
// within a few thousand points without touching the file for each one.
void noticeFileChange(const GridFile& file) {
  thread_local unsigned shiftsBeforeCheck[3] = {};
  unsigned& left = shiftsBeforeCheck[static_cast<int>(file.grid())];
  if (left-- > 0) return;
  left = kGridShiftsPerCheck - 1;
  file.unchanged();
}

}  // namespace

// `out` is written only when the four nodes were read.
int gridShiftForward(const GridFile& file, const point& in, point& out) {
  const GridLayout& g = gridLayout(file.grid());
  const double west = -in.y;
  const double lat = in.x;
  // The bounds belong to the grid; written so that NaN falls outside too.
  if (!(west >= g.westStart && west <= g.westEnd && lat >= g.latStart && lat <= g.latEnd)) {
    return 0;
  }
  noticeFileChange(file);
  if (file.status() != 0) return 0;

  const double u = (west - g.westStart) / g.westStep;
  const double v = (lat - g.latStart) / g.latStep;
  const int column = static_cast<int>(u);
  const int row = static_cast<int>(v);
  const double fu = u - column;
  const double fv = v - row;

  // South-east corner of the cell, one column west, one row north, both.
  const long k00 = column + static_cast<long>(row) * g.columns;
  long k10 = k00 + 1;
  long k01 = k00 + g.columns;
  long k11 = k01 + 1;
  if (column == g.columns - 1) {  // no column further west: use the eastern nodes
    k10 = k00;
    k11 = k01;
  }
  if (row == g.rows - 1) {  // no row further north: use the southern nodes
    k01 = k00;
    k11 = k10;
  }
  const long nodes[4] = {k00, k10, k01, k11};
  const double weights[4] = {(1 - fu) * (1 - fv), fu * (1 - fv), (1 - fu) * fv, fu * fv};

  double latShift = 0.0;   // arc-seconds
  double westShift = 0.0;  // arc-seconds, positive towards west
  for (int n = 0; n < 4; ++n) {
    double nodeLat = 0.0;
    double nodeWest = 0.0;
    if (!file.readNode(nodes[n], nodeLat, nodeWest)) return 0;
    latShift += weights[n] * nodeLat;
    westShift += weights[n] * nodeWest;
  }
  out.x = lat + latShift / kSecondsPerDegree;
  out.y = -(west + westShift / kSecondsPerDegree);
  // A cell whose shifts are all zero lies outside the published area.
  return latShift != 0.0 || westShift != 0.0 ? 1 : 0;
}

// Finds the point that the forward shift takes to `target`; writes x and y of
// `out` only on success.
int gridShiftReverse(const GridFile& file, const point& target, point& out) {
  point estimate(target.y, target.x, 0.0, 0);
  for (int n = 0; n < kReverseIterations; ++n) {
    point shifted;
    if (gridShiftForward(file, estimate, shifted) != 1) return 0;
    estimate.x = target.x - (shifted.x - estimate.x);
    estimate.y = target.y - (shifted.y - estimate.y);
  }
  out.x = estimate.x;
  out.y = estimate.y;
  return 1;
}

// Single shifts take the grid as it is found now.
int point::Beta2007(point p) { return gridShiftForward(*currentGridFile(Grid::BeTA2007), p, *this); }
int point::Beta2007ret(point p) { return gridShiftReverse(*currentGridFile(Grid::BeTA2007), p, *this); }
int point::ATGrid(point p) { return gridShiftForward(*currentGridFile(Grid::AustrianGrid), p, *this); }
int point::ATGridret(point p) { return gridShiftReverse(*currentGridFile(Grid::AustrianGrid), p, *this); }
int point::CHENYX(point p) { return gridShiftForward(*currentGridFile(Grid::CHENYX06), p, *this); }
int point::CHENYXret(point p) { return gridShiftReverse(*currentGridFile(Grid::CHENYX06), p, *this); }

}  // namespace kortavex
