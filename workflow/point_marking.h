#pragma once
// How the status bits of a converted point show: the colour of its result,
// the marking of what was entered, and the text put before a result that
// got no coordinates. The input window and the single-point conversion read
// the bits in orders of their own; a later bit overrides an earlier one.

#include <string>

#include "workflow/coloured_text.h"

struct PointMarking {
  TextColour result = TextColour::Black;
  LineMark input = LineMark::Unmarked;  // the input line, or the echo of an entered point
  std::string prefix;                   // before the result: "*" or "*!" for each missing value
  bool noValue = false;                 // no grid shift value, or a faulty MGRS reference
};

PointMarking inputWindowMarking(int flags);
PointMarking singlePointMarking(int flags);

// The colour of a text marked so.
TextColour colourOf(LineMark mark);
