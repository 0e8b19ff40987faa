#pragma once
// How the status bits of a converted point show: the colour of its result,
// the marking of what was entered, and the text put before a result that
// got no coordinates. The input window and the single-point conversion read
// the bits in orders of their own; a later bit overrides an earlier one.

#include <string>

#include "engine/point.h"
#include "workflow/coloured_text.h"

namespace kortavex {

struct PointMarking {
  TextColour result = TextColour::Black;
  LineMark input = LineMark::Unmarked;  // the input line, or the echo of an entered point
  std::string prefix;                   // before the result: "*" or "*!" for each missing value
  bool noValue = false;  // no grid shift value, a faulty MGRS reference, or a value that is no number
};

// A converted point without coordinates to show: no grid shift value, or a
// value that is no number (a degenerate user system); printed, it would pass
// for a position in the target system.
bool withoutResult(const point& result);

PointMarking inputWindowMarking(const point& result);
PointMarking singlePointMarking(const point& result);

// The colour of a text marked so.
TextColour colourOf(LineMark mark);

}  // namespace kortavex
