#include "workflow/single_point.h"

#include "chain/catalogue.h"
#include "engine/number_text.h"
#include "workflow/dialog_entry.h"

namespace kortavex {

namespace {

// Geoid height added to the reference height of points on the WGS84 ellipsoid.
constexpr double kWgs84HeightOffset = 45;

std::optional<EnteredPoint> pairEntry(std::string_view firstText, std::string_view secondText) {
  const std::optional<double> first = parseNumber(firstText), second = parseNumber(secondText);
  if (!first || !second) return std::nullopt;
  EnteredPoint e;
  e.first = *first;
  e.second = *second;
  return e;
}

// The record of what was entered, as the input window keeps it.
std::string inputEcho(bool mgrsStart, const SystemCode& startCode, const EnteredPoint& entered) {
  if (mgrsStart) return entered.mgrsReference + '\n';
  std::string echo;
  appendValuePair(echo, point(entered.first, entered.second, 0, 0), startCode.isGeographic());
  return echo + '\n';
}

}  // namespace

PointDialog pointDialogFor(const SystemCode& startCode) {
  if (startCode.isMgrs()) return PointDialog::Mgrs;
  if (startCode.family() == 'U') return PointDialog::Utm;
  if (startCode.isGeographic()) return PointDialog::Geographic;
  return PointDialog::Projected;
}

double entryHeight(const SystemCode& startCode, double referenceHeight) {
  const bool onWgs84 = startCode.family() == '0' || startCode.family() == 'U';
  return onWgs84 ? referenceHeight + kWgs84HeightOffset : referenceHeight;
}

std::optional<EnteredPoint> projectedEntry(std::string_view eastingText,
                                           std::string_view northingText) {
  return pairEntry(eastingText, northingText);
}

std::optional<EnteredPoint> geographicEntry(std::string_view latitudeText,
                                            std::string_view longitudeText) {
  return pairEntry(longitudeText, latitudeText);
}

std::string geographicRangeMessage(const EnteredPoint& entry) {
  if (entry.second < -90 || entry.second > 90) return "Phi -90/90";
  if (entry.first < -180 || entry.first > 180) return "Lambda -180/180";
  return {};
}

std::optional<std::string> utmZoneFromText(std::string_view zoneText) {
  const std::string text = withoutBlanks(zoneText);
  if (text.size() < 2 || text.size() > 3) return std::nullopt;
  const std::string_view digits = std::string_view(text).substr(0, text.size() - 1);
  if (!isDecimalInteger(digits) || digits[0] == '+' || digits[0] == '-') return std::nullopt;
  const long long zone = integerPrefix(digits);
  char hemisphere = text.back();
  if (hemisphere == 'n' || hemisphere == 's') hemisphere -= 'a' - 'A';
  if (zone < 1 || zone > 60 || (hemisphere != 'N' && hemisphere != 'S')) return std::nullopt;
  return formatInt(zone / 10) + formatInt(zone % 10) + hemisphere;
}

std::optional<EnteredPoint> utmEntry(std::string_view eastingText, std::string_view northingText,
                                     std::string_view zoneText) {
  std::optional<EnteredPoint> entry = pairEntry(eastingText, northingText);
  const std::optional<std::string> zone = utmZoneFromText(zoneText);
  if (!entry || !zone) return std::nullopt;
  entry->zone = *zone;
  return entry;
}

EnteredPoint mgrsEntry(const std::string& reference) {
  const MgrsValues m = mgrsValues(reference);
  EnteredPoint e;
  e.mgrsReference = reference;
  e.first = m.values.east;
  e.second = m.values.north;
  e.flag = m.values.flag;
  e.zone = m.zone;
  return e;
}

SinglePointTexts convertSinglePoint(ConversionSetup setup, const EnteredPoint& entered) {
  SystemPair& systems = setup.systems;
  const bool mgrsStart = systems.startCode.isMgrs();
  PointConverter converter(setup);
  // the zone given with the point overrides the one of the list
  if (!entered.zone.empty()) {
    converter.startInZone(entered.zone);
    systems.startCode = converter.startCode();
    if (!mgrsStart) systems.startName = std::string(kUtmAutoName) + entered.zone;
  }
  PointValues values;
  values.east = entered.first;
  values.north = entered.second;
  values.height = entryHeight(systems.startCode, setup.referenceHeight);
  values.flag = entered.flag;
  const ConvertedPoint result = converter.convert(values);

  SinglePointTexts texts;
  texts.systems = systems;
  texts.input.append("* " + shownName(systems.startName, setup.user) + '\n', TextColour::Black);
  texts.input.append(inputEcho(mgrsStart, systems.startCode, entered), colourOf(result.marking.input));
  texts.output.append(headingLine(shownName(systems.targetName, setup.user), systems.startCode,
                                  systems.targetCode, setup.transformationName),
                      TextColour::Black);
  // without result, "*" in place of each value, as everywhere
  std::string line;
  if (result.marking.noValue) {
    line = failedValues(systems.targetCode) + '\n';
  } else {
    appendResultLine(line, result, systems.targetCode, setup.dms, ResultForm::SinglePoint);
  }
  texts.output.append(line, result.marking.result);
  return texts;
}

}  // namespace kortavex
