#pragma once
// Reading MGRS/UTMREF references: what a reference says, as a record.

#include <string>

namespace kortavex {

namespace chain {

struct MgrsPosition {
  int zone = 0;           // UTM zone 1-60; 0 when the letters name no square
  char hemisphere = 'N';  // of the latitude band
  double easting = 0;     // UTM, metres; 0 without a square
  double northing = 0;
  int flag = 0;           // FLAG_MGRS_LETTER, FLAG_MGRS_BAND

  // Zone and hemisphere as a UTM system names them ("33N"); empty without a zone.
  std::string zoneText() const;
};

// A reference has the form of one: two zone digits, three letters (in either
// case), as many easting as northing digits, no blank (point::MGRScheck).
bool hasMgrsForm(const std::string& ref);

// The position of a reference (point::UTMrefBer): the south-west corner of
// the square its digits name, in the zone and hemisphere of its latitude
// band. A letter outside its table gives FLAG_MGRS_LETTER and no position; a
// position north of its latitude band FLAG_MGRS_BAND.
MgrsPosition readMgrsReference(const std::string& ref);

}  // namespace chain

}  // namespace kortavex
