#include "workflow/input_window_conversion.h"

#include "chain/catalogue.h"
#include "engine/number_text.h"
#include "workflow/selection_messages.h"

namespace kortavex {

SelectionError prepareConversion(const ConversionRequest& request, ConversionSetup& setup) {
  const SystemSelection selection =
      selectSystems(request.systems.startName, request.systems.targetName, request.transformation,
                    request.user.system.projection, request.user.usable(),
                    request.startHeight == request.targetHeight);
  if (selection.error != SelectionError::None) return selection.error;
  setup.systems = selection.systems;
  setup.transformationName = kTransformationNames[static_cast<int>(request.transformation)];
  setup.grid = selection.grid;
  setup.referenceHeight = request.referenceHeight;
  setup.user = request.user;
  setup.dms = request.dms;
  setup.heights = request.heights;
  return SelectionError::None;
}

std::string loadHeightDatums(const chain::HeightSystem* start, const chain::HeightSystem* target,
                             const MainTexts& texts, chain::HeightDatums& datums) {
  chain::HeightDatums loaded;
  for (const auto& [system, datum] : {std::pair(start, &loaded.start), std::pair(target, &loaded.target)}) {
    if (!system) continue;
    chain::HeightDatumLoading loading = chain::loadHeightDatum(*system);
    if (!loading.usable()) return heightSystemMessage(texts, *system, loading);
    *datum = std::move(loading.datum);
  }
  datums = std::move(loaded);
  return {};
}

std::string shownName(const std::string& name, const UserParameterSet& user) {
  return name == kUserName ? user.name : name;
}

std::string shownName(const std::string& name, const UserParameterSet& user, const chain::HeightDatum& heights) {
  return shownName(name, user) + (heights.system ? "+" + std::string(heights.system->name) : "");
}

InputWindowConverter::InputWindowConverter(ConversionSetup setup, const MainTexts& texts)
    : setup_(std::move(setup)),
      converter_(setup_),
      texts_(texts),
      mgrsStart_(setup_.systems.startCode.isMgrs()),
      shownTargetName_(shownName(setup_.systems.targetName, setup_.user, setup_.heightDatums.target)) {}

std::string InputWindowConverter::heading() const {
  return headingLine(shownTargetName_, setup_.systems.startCode, setup_.systems.targetCode,
                     setup_.transformationName);
}

namespace {

// "* *", the status bits, and the reason: the line of a point without result.
void appendFailedLine(ColouredText& output, std::string& text, const ConversionSetup& setup,
                      std::optional<int> flags, const std::string& reason) {
  text = failedValues(setup.systems.targetCode);
  if (setup.heights) text += " *";
  if (flags) text += "\t" + formatInt(*flags);
  text += '\t';
  text += reason;
  text += '\n';
  output.append(text, TextColour::Red);
}

}  // namespace

InputWindowConverter::Converted InputWindowConverter::notRead(ColouredText& output, bool flags) {
  appendFailedLine(output, resultText_, setup_, flags ? std::optional<int>(0) : std::nullopt,
                   texts_.msgNotRead);
  return {LineMark::Red, {LineOutcome::NotRead}, std::nullopt};
}

InputWindowConverter::Converted InputWindowConverter::converted(const PointValues& values,
                                                               ColouredText& output, bool flags) {
  const ConvertedPoint result = converter_.convert(values);
  const int flag = result.position.flag;
  if (result.marking.noValue) {
    appendFailedLine(output, resultText_, setup_, flags ? std::optional<int>(flag) : std::nullopt,
                     noResultReason(result.position, texts_));
    return {result.marking.input, {LineOutcome::NoResult, flag}, std::nullopt};
  }
  resultText_.clear();
  appendResultLine(resultText_, result, setup_.systems.targetCode, setup_.dms);
  if (flags) resultText_.insert(resultText_.size() - 1, "\t" + formatInt(flag));
  output.append(resultText_, result.marking.result);
  return {result.marking.input, {LineOutcome::Converted, flag}, std::nullopt};
}

InputWindowConverter::Converted InputWindowConverter::convertLine(std::string_view line,
                                                                 ColouredText& output, bool flags) {
  const std::optional<ValuePair> values = splitInputLine(line);
  if (!mgrsStart_) {
    const LineReading reading = setup_.heights ? readLineWithHeight(line) : readLine(line, values);
    if (reading.kind == LineKind::Text) return {};
    if (reading.kind == LineKind::NotRead) return notRead(output, flags);
    PointValues point = valuesOnAxes(reading.values, setup_.systems.startCode.isGeographic());
    point.height = reading.height;
    return converted(point, output, flags);
  }
  // one reference without blanks, and its height; a word without digits is a heading
  if (isTextLine(line)) return {};
  const std::optional<double> height = values ? readHeightText(values->second) : std::nullopt;
  if (!values || (setup_.heights ? !height : !values->second.empty())) {
    if (!holdsDigit(line)) return {};
    return notRead(output, flags);
  }
  const std::string normalized = normalizeValueText(values->first);
  if (!holdsDigit(normalized)) return {};
  MgrsValues reference = mgrsValues(normalized);
  reference.values.height = height;
  // a reference with a faulty letter has no zone: the last one stays
  if (!reference.zone.empty()) converter_.startInZone(reference.zone);
  Converted result = converted(reference.values, output, flags);
  result.mgrsStart = converter_.startCode();
  return result;
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
    if (converted.mgrsStart) result.mgrsStart = converted.mgrsStart;
  }
  return result;
}

}  // namespace kortavex
