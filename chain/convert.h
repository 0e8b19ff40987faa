#pragma once
// The conversion chain for the workflows: a conversion between two systems,
// set up once for a run and applied to each point.

#include <memory>
#include <optional>

#include "chain/height_systems.h"
#include "chain/system_code.h"
#include "chain/user_system.h"
#include "engine/geocentric.h"
#include "engine/ntv2_grid.h"
#include "engine/point.h"

namespace kortavex {

namespace chain {

class SystemSteps;
struct DatumFamily;

// A height the chain can take: from 1 000 km below the ellipsoid to
// 10 000 km above it. A point beyond is outside every frame.
bool heightInReach(double height);

// The height systems of the start and the target; none on either side:
// ellipsoidal heights there.
struct HeightDatums {
  HeightDatum start, target;
  bool any() const { return start.system || target.system; }
};

// From a start code to a target code: the start system's step, the datum
// shift through geocentric WGS84 (a Helmert transformation or an NTv2 grid)
// and the target system's step, with every constant that depends only on the
// two systems (projection constants, rotation matrices, the grid) made once.
// A grid, where a code asks for one, is `grid`, the copy that the system
// selection loaded for the run, so that one run never mixes two copies of a
// grid; without it (or for another grid) the grid as found when the
// conversion is made. The height is the ellipsoidal height on each datum
// (a grid shift leaves it as it is), or a height in a system of `heights`,
// whose surface is taken off or added at the WGS84 hub. A conversion may be
// shared by the threads of a run.
class Conversion {
 public:
  Conversion(const SystemCode& start, const SystemCode& target, const UserSystem& user,
             const GridHandle& grid = {}, const HeightDatums& heights = {});

  point convert(point p) const;

 private:
  // One side's way between geographic coordinates on its datum and
  // geocentric WGS84.
  struct DatumPath {
    DatumPath(const SystemCode& code, const DatumFamily& family, const UserSystem& user,
              const GridHandle& runGrid, bool towardWgs84);
    // Neither a grid nor a Helmert shift: the datum is WGS84's own.
    bool onWgs84() const { return !grid && !helmert; }
    GridHandle grid;  // none without a grid shift
    Geocentric geocentric;
    std::optional<HelmertShift> helmert;
  };
  bool towardHub(point& q) const;
  bool fromHub(point& q) const;
  std::optional<double> changeHeightSystem(point& q, double enteredHeight) const;

  bool sameSystem_;  // within a family of one system: no conversion at all
  bool datumShift_;  // start and target in different families
  bool throughHub_;  // a datum shift, or heights of a height system: through WGS84
  HeightDatums heights_;
  bool geographicStart_ = false;  // a latitude and longitude as entered, beyond the user's system
  std::shared_ptr<const SystemSteps> start_, target_;  // none for geographic systems
  std::optional<DatumPath> startPath_, targetPath_;    // through the hub: with a datum shift
                                                       // that is not between WGS84 and itself
};

// The point converted from the start code to the target code: the same as
// point::convert with the numbers of the user system, and as
// Conversion(start, target, user, grid).convert(p).
point convertPoint(point p, const SystemCode& start, const SystemCode& target,
                   const UserSystem& user, const GridHandle& grid = {}, const HeightDatums& heights = {});

}  // namespace chain

}  // namespace kortavex
