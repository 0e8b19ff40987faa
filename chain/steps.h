#pragma once
// The family steps of the conversion chain. A start step turns the input of
// the start system into geographic coordinates on the start datum (x
// latitude, y longitude, degrees); a target step turns geographic coordinates
// on the target datum into the target system. Steps raise the frame bits of
// the point they work on and never clear a bit.

#include <string_view>

#include "engine/point.h"

namespace chain {

// The user parameter set as the chain receives it.
struct UserSystem {
  double dx, dy, dz, scale, rx, ry, rz;
  double centralMeridian, latitudeOfOrigin, northParallel, southParallel;
  double falseEasting, falseNorthing;
  int ellipsoid, projection;
};

// Where a step runs: within one datum family, or on both sides of a datum shift.
struct StepContext {
  std::string_view code;
  int zone;          // positions 1-2 of the code as a number
  bool datumShift;   // start and target of different families
};

bool isGeographicCode(std::string_view code);  // positions 1-2 are "00"

void gaussKruegerStart(point& q, const StepContext& c);
void gaussKruegerTarget(point& q, const StepContext& c);
void utmStart(point& q, const StepContext& c);
void utmTarget(point& q, const StepContext& c);
void lambertStart(point& q);
void lambertTarget(point& q);
void krovakStart(point& q);
void krovakTarget(point& q);
void swissStart(point& q, const StepContext& c);
void swissTarget(point& q, const StepContext& c);
void userStart(point& q, const UserSystem& u);
void userTarget(point& q, const UserSystem& u);

}  // namespace chain
