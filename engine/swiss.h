#pragma once
// The Swiss oblique conformal cylindrical projection of LV95, LV03 and the
// Liechtenstein civil coordinates, applied to a point in place. Its constants
// are fixed (engine/swiss_constants.h): nothing to set up.

#include "engine/point.h"

namespace kortavex {

// Latitude x and longitude y (degrees) -> northing x and easting y from the
// projection origin at Bern (metres). h stays.
void swissProjectionForward(point& q);
// Northing x and easting y from the origin -> latitude x and longitude y.
void swissProjectionInverse(point& q);

}  // namespace kortavex
