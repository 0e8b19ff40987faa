#pragma once
// How the status bits of a converted point show: the colour of its result,
// the marking of what was entered, and why a point got no coordinates.

#include <string>

#include "engine/point.h"
#include "lang/main_texts.h"
#include "workflow/coloured_text.h"

namespace kortavex {

struct PointMarking {
  TextColour result = TextColour::Black;
  LineMark input = LineMark::Unmarked;  // the input line, or the echo of an entered point
  bool noValue = false;  // no grid shift value, a faulty MGRS reference, or a value that is no number
};

// A converted point without coordinates to show: no grid shift value, or a
// value that is no number (a degenerate user system, an angle that names no
// direction); printed, it would pass for a position in the target system.
bool withoutResult(const point& result);

PointMarking pointMarking(const point& result);

// Why a point got no coordinates, in the words of `texts`, as it follows
// its "*" values after a tab.
std::string noResultReason(const point& result, const MainTexts& texts);

// The colour of a text marked so.
TextColour colourOf(LineMark mark);

}  // namespace kortavex
