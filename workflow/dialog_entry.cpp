#include "workflow/dialog_entry.h"

#include <algorithm>

#include "chain/mgrs_reader.h"
#include "engine/number_text.h"
#include "engine/point.h"

namespace kortavex {

std::string withoutBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != ' ') out += c;
  return out;
}

std::string numberFieldText(std::string_view text) {
  return withDecimalPoint(withoutBlanks(text));
}

bool isDecimalInteger(std::string_view text) {
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool dmsSecondsWarning(const DmsRow& row) {
  return !isDecimalInteger(row.minutes) && !isDecimalInteger(row.seconds) &&
         !row.seconds.empty();
}

std::optional<double> dmsDegrees(const DmsRow& row) {
  if (!parseNumber(row.degrees + row.minutes + row.seconds)) return std::nullopt;
  // each part alone may be a bare sign or an empty text: its numeric prefix counts
  const double degrees = numericPrefix(row.degrees), minutes = numericPrefix(row.minutes),
               seconds = numericPrefix(row.seconds);
  // 75 minutes are a typo, not 1 degree 15 minutes
  if (minutes >= 60 || seconds >= 60) return std::nullopt;
  const double fraction = minutes / 60 + seconds / 3600;
  const bool negative = !row.degrees.empty() && row.degrees[0] == '-';
  return negative ? degrees - fraction : degrees + fraction;
}

std::string dmsFieldText(double degrees) {
  std::string text = formatFixed(degrees, 0, 9);
  if (text.size() < 14) text.append(14 - text.size(), ' ');
  return text;
}

MgrsFieldDecoding decodeMgrsField(std::string_view fieldText) {
  MgrsFieldDecoding d;
  if (fieldText.empty()) {
    d.message = MgrsFieldDecoding::Message::Empty;
    return d;
  }
  const std::string reference = withoutBlanks(fieldText);
  if (!chain::hasMgrsForm(reference)) {
    d.message = MgrsFieldDecoding::Message::Invalid;
    return d;
  }
  const chain::MgrsPosition utm = chain::readMgrsReference(reference);
  if (utm.flag & FLAG_MGRS_LETTER) {
    d.message = MgrsFieldDecoding::Message::Invalid;
    return d;
  }
  if (utm.flag & FLAG_MGRS_BAND) d.message = MgrsFieldDecoding::Message::OutsideBand;
  d.fill = true;
  d.easting = formatFixed(utm.easting, 11, 8);
  d.northing = formatFixed(utm.northing, 11, 8);
  d.zone = utm.zoneText();
  return d;
}

}  // namespace kortavex
