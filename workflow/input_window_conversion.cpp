#include "workflow/input_window_conversion.h"

#include "chain/catalogue.h"
#include "chain/mgrs_reader.h"
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
      conversion_(setup_.systems.startCode, setup_.systems.targetCode, setup_.user.system, setup_.grid),
      texts_(texts),
      mgrsStart_(setup_.systems.startCode.isMgrs()),
      shownTargetName_(shownName(setup_.systems.targetName, setup_.user)) {}

std::string InputWindowConverter::heading() const {
  return headingLine(shownTargetName_, setup_.systems.startCode, setup_.systems.targetCode,
                     setup_.transformationName);
}

namespace {

// "* *", the status bits, and the reason: the line of a point without result.
void appendFailedLine(ColouredText& output, std::string& text, const SystemCode& targetCode,
                      std::optional<int> flags, const std::string& reason) {
  text = failedValues(targetCode);
  if (flags) text += "\t" + formatInt(*flags);
  text += '\t';
  text += reason;
  text += '\n';
  output.append(text, TextColour::Red);
}

}  // namespace

InputWindowConverter::Converted InputWindowConverter::notRead(ColouredText& output, bool flags) {
  appendFailedLine(output, resultText_, setup_.systems.targetCode, flags ? std::optional<int>(0) : std::nullopt,
                   texts_.msgNotRead);
  return {LineMark::Red, {LineOutcome::NotRead}};
}

InputWindowConverter::Converted InputWindowConverter::convertLine(std::string_view line,
                                                                 ColouredText& output, bool flags) {
  const std::optional<ValuePair> values = splitInputLine(line);
  SystemPair& systems = setup_.systems;
  point input;
  if (mgrsStart_) {
    // one reference without blanks; a word without digits is a heading
    if (isTextLine(line)) return {};
    if (!values || !values->second.empty()) {
      if (!holdsDigit(line)) return {};
      return notRead(output, flags);
    }
    const std::string reference = normalizeValueText(values->first);
    if (!holdsDigit(reference)) return {};
    chain::MgrsPosition utm;
    if (chain::hasMgrsForm(reference)) {
      utm = chain::readMgrsReference(reference);
    } else {
      utm.flag = FLAG_MGRS_LETTER;
    }
    // a reference with a faulty letter has no zone: keep the last one
    if (utm.zone != 0 && utm.zoneText() != systems.startCode.zoneText()) {
      systems.startCode = systems.startCode.inZone(utm.zoneText());
      conversion_ = chain::Conversion(systems.startCode, systems.targetCode, setup_.user.system, setup_.grid);
    }
    // the position goes on as the window shows it, to eight decimals
    input = pointFromValues(*parseNumber(formatFixed(utm.easting, 11, 8)),
                            *parseNumber(formatFixed(utm.northing, 11, 8)), false, setup_.referenceHeight);
    input.flag = utm.flag;  // a faulty reference must not pass for a good one
  } else {
    const LineReading reading = readLine(line, values);
    if (reading.kind == LineKind::Text) return {};
    if (reading.kind == LineKind::NotRead) return notRead(output, flags);
    input = pointFromValues(reading.values.first, reading.values.second, systems.startCode.isGeographic(),
                            setup_.referenceHeight);
  }
  point result = (input.flag & FLAG_MGRS_LETTER) ? input : conversion_.convert(input);

  const PointMarking marking = inputWindowMarking(result);
  if (marking.noValue) {
    appendFailedLine(output, resultText_, systems.targetCode, flags ? std::optional<int>(result.flag) : std::nullopt,
                     noResultReason(result, texts_));
    return {marking.input, {LineOutcome::NoResult, result.flag}};
  }
  std::string& text = resultText_;
  text.clear();
  appendInputWindowResult(text, result, systems.targetCode, setup_.dms);
  if (flags) text.insert(text.size() - 1, "\t" + formatInt(result.flag));
  output.append(text, marking.result);
  return {marking.input, {LineOutcome::Converted, result.flag}};
}

InputWindowResult convertInputWindow(const ConversionSetup& setup, const MainTexts& texts,
                                     const std::vector<std::string>& lines) {
  InputWindowConverter converter(setup, texts);
  InputWindowResult result;
  result.output.append(converter.heading(), TextColour::Black);
  result.marks.reserve(lines.size());
  for (const std::string& line : lines) {
    const InputWindowConverter::Converted converted = converter.convertLine(line, result.output);
    result.marks.push_back(converted.mark);
    result.lines.add(converted.line, result.marks.size());
  }
  return result;
}

}  // namespace kortavex
