#include "workflow/input_window_conversion.h"

#include <cmath>

#include "chain/catalogue.h"
#include "chain/convert.h"
#include "engine/number_text.h"
#include "workflow/coordinate_text.h"

SelectionError prepareConversion(const ConversionRequest& request, const MainTexts& texts,
                                 ConversionSetup& setup) {
  const SystemSelection selection =
      selectSystems(request.startName, request.targetName, request.transformation,
                    request.user.projection, request.user.usable());
  if (selection.error != SelectionError::None) return selection.error;
  setup.startName = selection.startName;
  setup.targetName = selection.targetName;
  setup.startCode = selection.startCode;
  setup.targetCode = selection.targetCode;
  setup.transformationName = kTransformationNames[static_cast<int>(request.transformation)];
  setup.grid = selection.grid;
  setup.referenceHeight = request.referenceHeight;
  setup.user = request.user;
  setup.dms = request.dms;
  setup.mgrsFaultyMessage = texts.msgMgrsFaulty;
  return SelectionError::None;
}

InputWindowConverter::InputWindowConverter(ConversionSetup setup)
    : setup_(std::move(setup)),
      shownTargetName_(setup_.targetName == kUserName ? setup_.user.name : setup_.targetName) {}

std::string InputWindowConverter::heading() const {
  return headingLine(shownTargetName_, setup_.startCode, setup_.targetCode,
                     setup_.transformationName);
}

InputWindowConverter::Converted InputWindowConverter::convertLine(std::string_view line,
                                                                 ColouredText& output, bool flags) {
  if (line.empty() || line[0] == '*') return {};
  Converted noPoint;
  noPoint.noPoint = !trimWhiteSpace(line).empty();
  const std::optional<ValuePair> values = splitInputLine(line);
  if (!values) return noPoint;

  int mgrsFlags = 0;
  std::optional<double> a, b;
  if (setup_.startName == kMgrsName) {
    if (!values->second.empty()) return noPoint;  // a reference holds no blank
    const std::string reference = normalizeValueText(values->first);
    if (!point::MGRScheck(reference)) {
      output.append("* " + setup_.mgrsFaultyMessage, TextColour::Red);
      return {LineMark::Red, true};
    }
    const point utm = point::UTMrefBer(reference);
    mgrsFlags = utm.flag;
    // a reference with a faulty letter has no zone: keep the last one
    if (!utm.txt.empty()) setup_.startCode.replace(1, 3, utm.txt);
    // the position goes on as the window shows it, to eight decimals
    a = parseNumber(formatFixed(utm.y, 11, 8));
    b = parseNumber(formatFixed(utm.x, 11, 8));
  } else {
    a = readValueText(values->first);
    b = readValueText(values->second);
  }
  if (!a || !b) return noPoint;
  point input = pointFromValues(*a, *b, isGeographicStart(setup_.startCode),
                                setup_.referenceHeight);
  input.flag = mgrsFlags;  // a faulty reference must not pass for a good one
  point result = (mgrsFlags & FLAG_MGRS_LETTER)
                     ? input
                     : chain::convertPoint(input, setup_.startCode, setup_.targetCode,
                                           chain::userSystemOf(setup_.user), setup_.grid);

  bool noResult = !std::isfinite(result.y) || !std::isfinite(result.x);
  LineMark mark = LineMark::Unmarked;
  TextColour colour = TextColour::Black;
  const auto noValue = [&] {
    noResult = true;
    colour = TextColour::Red;
    result.y = result.x = 0;
    result.txt.clear();
    output.append("*", colour);
    mark = LineMark::Red;
  };
  if (result.flag & FLAG_TARGET_FRAME) colour = TextColour::Blue;
  if (result.flag & FLAG_START_FRAME) mark = LineMark::Blue;
  if (result.flag & FLAG_START_GRID) noValue();
  if (result.flag & FLAG_TARGET_GRID) noValue();
  if (result.flag & FLAG_MGRS_BAND) mark = LineMark::Blue;
  if (result.flag & FLAG_MGRS_LETTER) noValue();

  std::string& text = resultText_;
  text.clear();
  appendInputWindowResult(text, result, setup_.targetCode, setup_.dms);
  if (flags) text.insert(text.size() - 1, "\t" + formatInt(result.flag));
  output.append(text, colour);
  Converted converted;
  converted.mark = mark;
  converted.noResult = noResult;
  converted.flags = result.flag;
  return converted;
}

InputWindowResult convertInputWindow(const ConversionSetup& setup,
                                     const std::vector<std::string>& lines) {
  InputWindowConverter converter(setup);
  InputWindowResult result;
  result.output.append(converter.heading(), TextColour::Black);
  result.marks.reserve(lines.size());
  for (const std::string& line : lines)
    result.marks.push_back(converter.convertLine(line, result.output).mark);
  return result;
}
