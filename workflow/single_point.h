#pragma once
// Converting one point entered in an input dialog: the checks of the entered
// texts, the point built from them, and what is written to the input window
// (the system and the values entered) and to the output window (heading and
// result), with their colours.

#include <optional>
#include <string>
#include <string_view>

#include "workflow/coloured_text.h"
#include "workflow/input_window_conversion.h"

namespace kortavex {

// The dialog that asks for a point of the start system.
enum class PointDialog { Mgrs, Utm, Geographic, Projected };
PointDialog pointDialogFor(const SystemCode& startCode);

// A point as the user entered it.
struct EnteredPoint {
  double first = 0;   // easting or longitude
  double second = 0;  // northing or latitude
  int flag = 0;       // status bits of the MGRS reading
  std::string zone;   // UTM zone and hemisphere ("32N") given with the point; empty if none
  std::string mgrsReference;
};

// Easting and northing of the projected dialog; nullopt when either is no number.
std::optional<EnteredPoint> projectedEntry(std::string_view eastingText,
                                           std::string_view northingText);

// Latitude and longitude of the geographic dialog; nullopt when either is no number.
std::optional<EnteredPoint> geographicEntry(std::string_view latitudeText,
                                            std::string_view longitudeText);

// "Phi -90/90" or "Lambda -180/180" for a geographic entry out of range;
// empty when both values are in range.
std::string geographicRangeMessage(const EnteredPoint& entry);

// The zone field of the UTM dialog as a start code takes it: zone 1-60 with
// its hemisphere, blanks and case ignored ("5s" gives "05S"); nullopt for
// anything else.
std::optional<std::string> utmZoneFromText(std::string_view zoneText);

// Easting, northing and zone of the UTM dialog; nullopt when a value is no
// number or the zone is no UTM zone.
std::optional<EnteredPoint> utmEntry(std::string_view eastingText, std::string_view northingText,
                                     std::string_view zoneText);

// An MGRS reference: its UTM position and zone. A reference that fails the
// syntax check or holds a letter outside the tables carries FLAG_MGRS_LETTER
// and no zone.
EnteredPoint mgrsEntry(const std::string& reference);

// The height of an entered point: the reference height, and 45 m more for
// points on the WGS84 ellipsoid (WGS84 geographic, UTM, MGRS).
double entryHeight(const SystemCode& startCode, double referenceHeight);

// What the conversion writes: appended to the input window and to the output
// window; and the start system it converted from.
struct SinglePointTexts {
  ColouredText input;
  ColouredText output;
  SystemPair systems;  // the start with the zone given with the point
};

// Converts the entered point from the start system of `setup` (whose start
// code and name follow the zone given with the point) and writes the texts.
SinglePointTexts convertSinglePoint(ConversionSetup setup, const EnteredPoint& entered);

}  // namespace kortavex
