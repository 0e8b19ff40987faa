#pragma once
// The family steps of the conversion chain. A start step turns the input of
// the start system into geographic coordinates on the start datum (x
// latitude, y longitude, degrees); a target step turns geographic coordinates
// on the target datum into the target system. Steps raise the frame bits of
// the point they work on and never clear a bit.

#include "chain/datum_families.h"
#include "engine/point.h"

namespace kortavex {

namespace chain {

void austrianGaussKruegerStart(point& q, const StepContext& c);
void austrianGaussKruegerTarget(point& q, const StepContext& c);
void germanGaussKruegerStart(point& q, const StepContext& c);
void germanGaussKruegerTarget(point& q, const StepContext& c);
void utmStart(point& q, const StepContext& c);
void utmTarget(point& q, const StepContext& c);
void lambertStart(point& q, const StepContext& c);
void lambertTarget(point& q, const StepContext& c);
void krovakStart(point& q, const StepContext& c);
void krovakTarget(point& q, const StepContext& c);
void swissStart(point& q, const StepContext& c);
void swissTarget(point& q, const StepContext& c);
void userStart(point& q, const StepContext& c);
void userTarget(point& q, const StepContext& c);

// The transverse Mercator of engine/transverse_mercator.cpp on `ellipsoid`
// in `mode`: Forward turns q (latitude, longitude difference) into northing
// and easting from the central meridian, Back the other way. False where the
// result does not come back through the other direction within a decimetre:
// far from the meridian the series lose their accuracy (the inverse 5 cm at
// 6 deg, 0.35 m at 8 deg), and at high latitudes 20 deg from it or beyond
// the pole they give positions that only look plausible.
bool transverseMercatorForward(point& q, int ellipsoid, int mode);
bool transverseMercatorBack(point& q, int ellipsoid, int mode);

}  // namespace chain

}  // namespace kortavex
