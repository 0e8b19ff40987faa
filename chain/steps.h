#pragma once
// The steps of the conversion chain, set up once for a run for one system.
// A start step turns the coordinates of the start system into geographic
// coordinates on its datum (x latitude, y longitude, degrees); a target step
// turns geographic coordinates on the target datum into the target system.
// Steps work on the point in place, raise its frame bits and never clear a
// bit. Geographic systems take no step, except those of the user family,
// whose projection comes from the user's system whatever its code says.

#include <memory>
#include <optional>

#include "chain/datum_families.h"
#include "engine/point.h"
#include "engine/transverse_mercator.h"

namespace kortavex {

namespace chain {

class SystemSteps {
 public:
  virtual ~SystemSteps() = default;
  virtual void start(point& q) const = 0;
  virtual void target(point& q) const = 0;
  // The values the frame check of the input window accepts; none for a
  // system without a frame.
  virtual std::optional<InputFrame> inputFrame() const { return std::nullopt; }
};

// Where a projected system's coordinates are valid, bounds included: the
// frame of the system's own steps and, with the forms its input may also
// take, of the frame check.
struct GridFrame {
  InputFrame::Range east, north;
  // Written as what lies inside, so that a value that is no number (a
  // latitude beyond the pole has no projection) lies outside.
  bool contains(const point& q) const {
    return q.y >= east.low && q.y <= east.high && q.x >= north.low && q.x <= north.high;
  }
  // The frame as the frame check takes it, moved by a false origin.
  InputFrame inputFrame(double eastOffset = 0, double northOffset = 0) const {
    return InputFrame::of({east.low + eastOffset, east.high + eastOffset},
                          {north.low + northOffset, north.high + northOffset});
  }
};

// The steps of the systems of each family (the `steps` of its row).
std::unique_ptr<const SystemSteps> austrianGaussKruegerSteps(const StepContext& c);  // and the federal grid
std::unique_ptr<const SystemSteps> austrianLambertSteps(const StepContext& c);
std::unique_ptr<const SystemSteps> germanGaussKruegerSteps(const StepContext& c);  // DHDN and S42/83
std::unique_ptr<const SystemSteps> utmSteps(const StepContext& c);
std::unique_ptr<const SystemSteps> krovakSteps(const StepContext& c);
std::unique_ptr<const SystemSteps> swissSteps(const StepContext& c);
std::unique_ptr<const SystemSteps> userSteps(const StepContext& c);

// The transverse Mercator of engine/transverse_mercator.h: Forward turns q
// (latitude, longitude difference) into northing and easting from the
// central meridian, Back the other way. False where the result does not come
// back through the other direction within a decimetre: far from the meridian
// the series lose their accuracy (the inverse 5 cm at 6 deg, 0.35 m at 8
// deg), and at high latitudes 20 deg from it or beyond the pole they give
// positions that only look plausible.
bool transverseMercatorForward(point& q, const TransverseMercator& projection);
bool transverseMercatorBack(point& q, const TransverseMercator& projection);

}  // namespace chain

}  // namespace kortavex
