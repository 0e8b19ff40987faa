#pragma once
// One row per datum family: what the conversion chain, the system selection
// and the frame check of the input window know of it. Adding a system is a
// catalogue row (chain/catalogue.cpp), and for a new datum a row here with
// the steps of its systems (chain/steps.h).

#include <memory>
#include <optional>

#include "chain/system_code.h"
#include "chain/user_system.h"
#include "engine/ntv2_grid.h"

namespace kortavex {

namespace chain {

struct DatumFamily;

// Where a system's steps run: the system, its family, the user's system
// (read by the user family only), and whether start and target lie in
// different families.
struct StepContext {
  const SystemCode& code;
  const DatumFamily& family;
  const UserSystem& user;
  bool datumShift;
};

class SystemSteps;
// The steps of a family's system, set up for a run (see chain/steps.h).
using StepsMaker = std::unique_ptr<const SystemSteps> (*)(const StepContext& c);

// The NTv2 grid a family may use instead of its Helmert rows.
struct GridShift {
  Grid grid;
  // The grid takes the datum to ETRS89, taken as WGS84 (MGI, DHDN); else to
  // a sibling datum whose Helmert rows the family shares (CH1903 -> CH1903+).
  bool reachesWgs84;
};

// The values the frame check of the input window accepts for a system: the
// first value within either of two ranges, and the second (equal ranges
// where there is one).
struct InputFrame {
  struct Range {
    double low, high;
  };
  Range first[2];
  Range second[2];

  // One range for each value.
  static constexpr InputFrame of(Range first, Range second) {
    return {{first, first}, {second, second}};
  }
};

struct DatumFamily {
  char letter;            // position 0 of the system code
  int ellipsoid;          // ellipsoid code of the datum (the user family: the user's)
  bool helmert;           // shifted by the rows below; WGS84 and ETRS89 need none
  HelmertRow toWgs84;
  HelmertRow fromWgs84;   // its own published row, not the inverse of the other
  std::optional<GridShift> grid;
  // The steps of its projected systems; none for a family of geographic
  // systems only.
  StepsMaker steps;
  // The frame check's frame of the family's geographic system; none for a
  // system without a frame (the frames of projected systems are their steps').
  std::optional<InputFrame> geographicFrame;
  // The user family: its ellipsoid, shift and projection come from the
  // user's system, and its steps run for every code.
  bool userDefined;
  // A family of one system (WGS84, the user's): a pair within it is the same
  // system twice and converts to itself.
  bool oneSystem;
};

// The row of a family; a letter of no family (a code that is no system)
// gives a row with no shift, no steps and no frame, on Bessel 1841.
const DatumFamily& datumFamily(char letter);
inline const DatumFamily& datumFamily(const SystemCode& code) { return datumFamily(code.family()); }

// The family whose grid `grid` is.
const DatumFamily& familyOfGrid(Grid grid);

// The frame check's frame of a system; none for a system without a frame.
std::optional<InputFrame> inputFrame(const SystemCode& code);

}  // namespace chain

}  // namespace kortavex
