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

}  // namespace chain

}  // namespace kortavex
