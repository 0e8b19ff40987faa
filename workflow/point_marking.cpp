#include "workflow/point_marking.h"

#include "engine/point.h"

namespace {

enum class Effect { ResultBlue, InputBlue, NoValue };

struct BitRule {
  int bit;
  Effect effect;
  const char* prefix;  // for Effect::NoValue
};

constexpr BitRule kInputWindowOrder[] = {
    {FLAG_TARGET_FRAME, Effect::ResultBlue, ""}, {FLAG_START_FRAME, Effect::InputBlue, ""},
    {FLAG_START_GRID, Effect::NoValue, "*"},     {FLAG_TARGET_GRID, Effect::NoValue, "*"},
    {FLAG_MGRS_BAND, Effect::InputBlue, ""},     {FLAG_MGRS_LETTER, Effect::NoValue, "*"},
};

constexpr BitRule kSinglePointOrder[] = {
    {FLAG_TARGET_FRAME, Effect::ResultBlue, ""}, {FLAG_START_FRAME, Effect::InputBlue, ""},
    {FLAG_TARGET_GRID, Effect::NoValue, "*!"},   {FLAG_START_GRID, Effect::NoValue, "*!"},
    {FLAG_MGRS_BAND, Effect::InputBlue, ""},     {FLAG_MGRS_LETTER, Effect::NoValue, "*"},
};

template <std::size_t N>
PointMarking marking(int flags, const BitRule (&order)[N]) {
  PointMarking m;
  for (const BitRule& rule : order) {
    if (!(flags & rule.bit)) continue;
    switch (rule.effect) {
      case Effect::ResultBlue: m.result = TextColour::Blue; break;
      case Effect::InputBlue: m.input = LineMark::Blue; break;
      case Effect::NoValue:
        m.result = TextColour::Red;
        m.input = LineMark::Red;
        m.prefix += rule.prefix;
        m.noValue = true;
        break;
    }
  }
  return m;
}

}  // namespace

PointMarking inputWindowMarking(int flags) { return marking(flags, kInputWindowOrder); }
PointMarking singlePointMarking(int flags) { return marking(flags, kSinglePointOrder); }

TextColour colourOf(LineMark mark) {
  switch (mark) {
    case LineMark::Blue: return TextColour::Blue;
    case LineMark::Red: return TextColour::Red;
    case LineMark::Unmarked: break;
  }
  return TextColour::Black;
}
