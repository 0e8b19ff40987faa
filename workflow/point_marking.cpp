#include "workflow/point_marking.h"

#include <cmath>

#include "engine/number_text.h"

namespace kortavex {

namespace {

enum class Effect { ResultBlue, InputBlue, NoValue };

struct BitRule {
  int bit;
  Effect effect;
};

// A later bit overrides an earlier one: a faulty MGRS reference is red
// whatever else holds, a position beyond its band marks the input blue.
constexpr BitRule kOrder[] = {
    {FLAG_TARGET_FRAME, Effect::ResultBlue}, {FLAG_START_FRAME, Effect::InputBlue},
    {FLAG_START_GRID, Effect::NoValue},      {FLAG_TARGET_GRID, Effect::NoValue},
    {FLAG_MGRS_BAND, Effect::InputBlue},     {FLAG_MGRS_LETTER, Effect::NoValue},
};

void markNoValue(PointMarking& m) {
  m.result = TextColour::Red;
  m.input = LineMark::Red;
  m.noValue = true;
}

}  // namespace

PointMarking pointMarking(const point& result) {
  PointMarking m;
  for (const BitRule& rule : kOrder) {
    if (!(result.flag & rule.bit)) continue;
    switch (rule.effect) {
      case Effect::ResultBlue: m.result = TextColour::Blue; break;
      case Effect::InputBlue: m.input = LineMark::Blue; break;
      case Effect::NoValue: markNoValue(m); break;
    }
  }
  if (withoutResult(result)) markNoValue(m);
  return m;
}

bool withoutResult(const point& result) {
  return (result.flag & (FLAG_START_GRID | FLAG_TARGET_GRID)) || !std::isfinite(result.y) ||
         !std::isfinite(result.x) || !std::isfinite(result.h);
}

std::string noResultReason(const point& result, const MainTexts& texts) {
  if (result.flag & (FLAG_START_GRID | FLAG_TARGET_GRID)) return texts.msgNoGridValue;
  if (result.flag & FLAG_MGRS_LETTER) return std::string(trimWhiteSpace(texts.msgMgrsFaulty));
  return texts.msgNoPosition;
}

TextColour colourOf(LineMark mark) {
  switch (mark) {
    case LineMark::Blue: return TextColour::Blue;
    case LineMark::Red: return TextColour::Red;
    case LineMark::Unmarked: break;
  }
  return TextColour::Black;
}

}  // namespace kortavex
