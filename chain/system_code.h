#pragma once
// The five-character system code that names a coordinate system inside the
// conversion chain, read once into what it says:
//
//   [0]   datum family: "0" WGS84, "A" MGI, "D" DHDN, "S" S42/83, "X" CH1903+,
//         "C" CH1903, "T" S-JTSK, "U" UTM/MGRS, "Z" the user's system
//   [1-2] zone or meridian: "00" geographic, "LB" the Austrian Lambert grid,
//         "99" UTM with the zone taken from the position
//   [3]   variant: the federal grid BMN ("A"), civil coordinates ("C"), the
//         hemisphere ("U" with a zone), MGRS ("U99")
//   [4]   "3" when the datum shift goes through an NTv2 grid
//
// "-----" stands for a list entry that is no system (a group header or a
// separator). The text is kept as it was given; a text shorter than five
// characters reads as if padded with "0".

#include <algorithm>
#include <string>
#include <string_view>

namespace kortavex {

class SystemCode {
 public:
  // The entry that is no system.
  SystemCode() : SystemCode(kNoSystem) {}
  explicit SystemCode(std::string_view text);

  static SystemCode wgs84() { return SystemCode(kWgs84); }
  static SystemCode mgrs() { return SystemCode(kMgrs); }
  static SystemCode automaticUtm() { return SystemCode(kAutomaticUtm); }
  // UTM in a given zone: `zoneText` is the zone's two digits and hemisphere ("33N").
  static SystemCode utm(std::string_view zoneText);
  static SystemCode user(bool projected) { return SystemCode(projected ? kProjectedUser : kGeographicUser); }

  // The five characters, as interfaces that take a code as text receive it.
  const std::string& text() const { return text_; }
  // Positions 1-3, zone and variant, as the UTM dialog takes them ("33N", "991" for MGRS).
  std::string zoneText() const { return text_.substr(std::min<std::size_t>(1, text_.size()), 3); }

  char family() const { return family_; }
  // Positions 1-2 as a number: leading digits only, 0 when there are none.
  int zone() const { return zone_; }
  char variant() const { return variant_; }
  bool usesGrid() const { return grid_; }
  bool isGeographic() const { return geographic_; }
  bool isLambert() const { return lambert_; }
  bool isMgrs() const { return automaticZone_ && variant_ == '1'; }
  // UTM or MGRS with the zone taken from the position: a target only.
  bool isAutomaticUtm() const { return automaticZone_; }
  // UTM in a zone of the southern hemisphere.
  bool isSouthernUtm() const { return family_ == 'U' && variant_ == 'S'; }
  // A group header or separator of the lists.
  bool isGroupHeader() const { return groupHeader_; }
  // Five characters: the system selection gives no other code to a system.
  bool isComplete() const { return text_.size() == 5; }
  bool sameFamily(const SystemCode& other) const { return family_ == other.family_; }

  // The same code with the grid mark; no change for a code that is not complete.
  SystemCode withGrid() const;
  // The same family in the zone `zoneText` ("33N"), as an MGRS reference names it.
  SystemCode inZone(std::string_view zoneText) const;

  bool operator==(const SystemCode& other) const { return text_ == other.text_; }
  bool operator!=(const SystemCode& other) const { return text_ != other.text_; }

 private:
  static constexpr std::string_view kNoSystem = "-----";
  static constexpr std::string_view kWgs84 = "00000";
  static constexpr std::string_view kMgrs = "U9910";
  static constexpr std::string_view kAutomaticUtm = "U9900";
  static constexpr std::string_view kGeographicUser = "Z0000";
  static constexpr std::string_view kProjectedUser = "Z0100";

  std::string text_;
  char family_ = '0';
  char variant_ = '0';
  int zone_ = 0;
  bool grid_ = false;
  bool geographic_ = false;
  bool lambert_ = false;
  bool automaticZone_ = false;
  bool groupHeader_ = false;
};

}  // namespace kortavex
