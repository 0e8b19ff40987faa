#include "workflow/input_window_conversion.h"

#include "chain/catalogue.h"
#include "chain/convert.h"
#include "engine/number_text.h"
#include "workflow/coordinate_text.h"
#include "workflow/point_marking.h"

namespace kortavex {

SelectionError prepareConversion(const ConversionRequest& request, ConversionSetup& setup) {
  const SystemSelection selection =
      selectSystems(request.systems.startName, request.systems.targetName, request.transformation,
                    request.user.system.projection, request.user.usable());
  if (selection.error != SelectionError::None) return selection.error;
  setup.systems = selection.systems;
  setup.transformationName = kTransformationNames[static_cast<int>(request.transformation)];
  setup.grid = selection.grid;
  setup.referenceHeight = request.referenceHeight;
  setup.user = request.user;
  setup.dms = request.dms;
  return SelectionError::None;
}

std::string shownName(const std::string& name, const UserParameterSet& user) {
  return name == kUserName ? user.name : name;
}

InputWindowConverter::InputWindowConverter(ConversionSetup setup, const MainTexts& texts)
    : setup_(std::move(setup)),
      mgrsStart_(setup_.systems.startCode.isMgrs()),
      mgrsFaultyMessage_(texts.msgMgrsFaulty),
      shownTargetName_(shownName(setup_.systems.targetName, setup_.user)) {}

std::string InputWindowConverter::heading() const {
  return headingLine(shownTargetName_, setup_.systems.startCode, setup_.systems.targetCode,
                     setup_.transformationName);
}

InputWindowConverter::Converted InputWindowConverter::convertLine(std::string_view line,
                                                                 ColouredText& output, bool flags) {
  if (line.empty() || line[0] == '*') return {};
  Converted noPoint;
  noPoint.noPoint = !trimWhiteSpace(line).empty();
  const std::optional<ValuePair> values = splitInputLine(line);
  if (!values) return noPoint;

  SystemPair& systems = setup_.systems;
  int mgrsFlags = 0;
  std::optional<Values> numbers;
  if (mgrsStart_) {
    if (!values->second.empty()) return noPoint;  // a reference holds no blank
    const std::string reference = normalizeValueText(values->first);
    if (!point::MGRScheck(reference)) {
      output.append("* " + mgrsFaultyMessage_, TextColour::Red);
      return {LineMark::Red, true};
    }
    const point utm = point::UTMrefBer(reference);
    mgrsFlags = utm.flag;
    // a reference with a faulty letter has no zone: keep the last one
    if (!utm.txt.empty()) systems.startCode = systems.startCode.inZone(utm.txt);
    // the position goes on as the window shows it, to eight decimals
    numbers = Values{*parseNumber(formatFixed(utm.y, 11, 8)), *parseNumber(formatFixed(utm.x, 11, 8))};
  } else {
    numbers = readValuePair(values->first, values->second);
  }
  if (!numbers) return noPoint;
  point input = pointFromValues(numbers->first, numbers->second, systems.startCode.isGeographic(),
                                setup_.referenceHeight);
  input.flag = mgrsFlags;  // a faulty reference must not pass for a good one
  point result = (mgrsFlags & FLAG_MGRS_LETTER)
                     ? input
                     : chain::convertPoint(input, systems.startCode, systems.targetCode,
                                           setup_.user.system, setup_.grid);

  const PointMarking marking = inputWindowMarking(result);
  if (marking.noValue) {
    result.y = result.x = 0;
    result.txt.clear();
  }
  std::string& text = resultText_;
  text = marking.prefix;
  appendInputWindowResult(text, result, systems.targetCode, setup_.dms);
  if (flags) text.insert(text.size() - 1, "\t" + formatInt(result.flag));
  output.append(text, marking.result);
  return {marking.input, marking.noValue, false, result.flag};
}

InputWindowResult convertInputWindow(const ConversionSetup& setup, const MainTexts& texts,
                                     const std::vector<std::string>& lines) {
  InputWindowConverter converter(setup, texts);
  InputWindowResult result;
  result.output.append(converter.heading(), TextColour::Black);
  result.marks.reserve(lines.size());
  for (const std::string& line : lines)
    result.marks.push_back(converter.convertLine(line, result.output).mark);
  return result;
}

}  // namespace kortavex
