#pragma once
// The texts of the point input dialogs as they hand them back: normalised
// number fields, degrees/minutes/seconds joined into decimal degrees, and the
// MGRS reference decoded into the UTM fields.

#include <optional>
#include <string>
#include <string_view>

namespace kortavex {

// Every blank removed.
std::string withoutBlanks(std::string_view text);

// Every "," turned into "." and every blank removed, as a number field is read.
std::string numberFieldText(std::string_view text);

// A whole decimal integer with an optional sign; the empty text is none.
bool isDecimalInteger(std::string_view text);

// One row of the degrees/minutes/seconds dialog: the three texts as its
// GetData leaves them (no blanks; minutes and seconds with decimal points,
// the degrees as typed).
struct DmsRow {
  std::string degrees, minutes, seconds;
};

// The seconds of a row need whole minutes: true when neither the minutes nor
// the non-empty seconds are whole numbers.
bool dmsSecondsWarning(const DmsRow& row);

// The row in decimal degrees. The three texts joined must form one number,
// so a decimal point may stand in one of them only, and minutes and seconds
// stay below 60; nullopt otherwise. An
// empty text counts 0; a minus before the degrees makes the whole value
// negative, also for "-0".
std::optional<double> dmsDegrees(const DmsRow& row);

// Decimal degrees as the geographic dialog's field shows them: "%-14.9f".
std::string dmsFieldText(double degrees);

// What the UTM button of the UTM/MGRS dialog does with the MGRS field.
struct MgrsFieldDecoding {
  enum class Message { None, Empty, Invalid, OutsideBand };
  Message message = Message::None;  // shown before the fields are filled
  bool fill = false;                // the three UTM fields take the texts below
  std::string easting, northing;    // "%11.8f"
  std::string zone;                 // zone digits and hemisphere, "33N"
};
MgrsFieldDecoding decodeMgrsField(std::string_view fieldText);

}  // namespace kortavex
