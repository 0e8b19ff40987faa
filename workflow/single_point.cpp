#include "workflow/single_point.h"

#include "chain/catalogue.h"
#include "chain/convert.h"
#include "engine/number_text.h"
#include "engine/point.h"
#include "workflow/coordinate_text.h"
#include "workflow/dialog_entry.h"

namespace {

constexpr std::string_view kMgrsCode = "U9910";
// Geoid height added to the reference height of points on the WGS84 ellipsoid.
constexpr double kWgs84HeightOffset = 45;

bool isGeographicEntry(std::string_view code) { return code.substr(1, 2) == "00"; }

std::optional<EnteredPoint> pairEntry(std::string_view firstText, std::string_view secondText) {
  const std::optional<double> first = parseNumber(firstText), second = parseNumber(secondText);
  if (!first || !second) return std::nullopt;
  EnteredPoint e;
  e.first = *first;
  e.second = *second;
  return e;
}

// The record of what was entered, as the input window keeps it.
std::string inputEcho(const ConversionSetup& setup, const EnteredPoint& entered) {
  if (setup.startName == kMgrsName) return entered.mgrsReference + '\n';
  std::string echo;
  if (isGeographicEntry(setup.startCode)) {
    appendFixed(echo, entered.second, 11, 8);
    echo += ' ';
    appendFixed(echo, entered.first, 11, 8);
  } else {
    appendFixed(echo, entered.first, 10, 3);
    echo += ' ';
    appendFixed(echo, entered.second, 9, 3);
  }
  return echo + '\n';
}

std::string shownName(const std::string& name, const UserParameterSet& user) {
  return name == kUserName ? user.name : name;
}

}  // namespace

PointDialog pointDialogFor(std::string_view startCode) {
  if (startCode == kMgrsCode) return PointDialog::Mgrs;
  if (startCode.substr(0, 1) == "U") return PointDialog::Utm;
  if (isGeographicEntry(startCode)) return PointDialog::Geographic;
  return PointDialog::Projected;
}

double entryHeight(std::string_view startCode, double referenceHeight) {
  const bool onWgs84 = startCode.substr(0, 1) == "0" || startCode.substr(0, 1) == "U";
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
  EnteredPoint e;
  e.mgrsReference = reference;
  if (!point::MGRScheck(reference)) {
    e.flag = FLAG_MGRS_LETTER;
    return e;
  }
  const point utm = point::UTMrefBer(reference);
  e.first = utm.y;
  e.second = utm.x;
  e.flag = utm.flag;
  e.zone = utm.txt;
  return e;
}

SinglePointTexts convertSinglePoint(ConversionSetup setup, const EnteredPoint& entered) {
  // the zone given with the point overrides the one of the list
  if (!entered.zone.empty()) {
    setup.startCode.replace(1, 3, entered.zone);
    if (setup.startName != kMgrsName) setup.startName = std::string(kUtmAutoName) + entered.zone;
  }

  point input(entered.first, entered.second, entryHeight(setup.startCode, setup.referenceHeight),
              entered.flag);
  if (setup.startName == kMgrsName) input.txt = entered.mgrsReference;
  // a faulty reference has no position to convert
  point result = (entered.flag & FLAG_MGRS_LETTER)
                     ? input
                     : chain::convertPoint(input, setup.startCode, setup.targetCode,
                                           chain::userSystemOf(setup.user), setup.grid);

  TextColour resultColour = TextColour::Black, echoColour = TextColour::Black;
  std::string marks;
  const auto noValue = [&](const char* mark) {
    resultColour = echoColour = TextColour::Red;
    result.y = result.x = 0;
    result.txt.clear();
    marks += mark;
  };
  if (result.flag & FLAG_TARGET_FRAME) resultColour = TextColour::Blue;
  if (result.flag & FLAG_START_FRAME) echoColour = TextColour::Blue;
  if (result.flag & FLAG_TARGET_GRID) noValue("*!");
  if (result.flag & FLAG_START_GRID) noValue("*!");
  if (result.flag & FLAG_MGRS_BAND) echoColour = TextColour::Blue;
  if (result.flag & FLAG_MGRS_LETTER) noValue("*");

  SinglePointTexts texts;
  texts.startCode = setup.startCode;
  texts.startName = setup.startName;
  texts.input.append("* " + shownName(setup.startName, setup.user) + '\n', TextColour::Black);
  texts.input.append(inputEcho(setup, entered), echoColour);
  texts.output.append(headingLine(shownName(setup.targetName, setup.user), setup.startCode,
                                  setup.targetCode, setup.transformationName),
                      TextColour::Black);
  texts.output.append(marks + singlePointResult(result, setup.targetCode, setup.dms),
                      resultColour);
  return texts;
}
